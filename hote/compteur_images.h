#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

// The frame-rate report of "--ips": the render thread counts frames, the GUI
// thread prints one line a second. The three counters cross threads, so they
// are atomic and the report takes each one and zeroes it in a single
// exchange: no frame is lost or counted twice.
//
// With "--ips-images" the report also lists when each frame was shown, for a
// benchmark that looks at the frames around a moment (a shake) rather than
// at the slowest of a second.
class CompteurImages {
public:
    explicit CompteurImages(bool listerImages = false) : m_lister(listerImages) {}

    // Called on the thread that renders, once per frame: integer work only,
    // no allocation, no output.
    void image();

    // Takes the counters since the last report, zeroes them and returns the
    // report line ("TESSIMORA_IPS %d %.1f %d", without the newline).
    std::string releve();

    // The frames shown since the last call, as "TESSIMORA_IMAGES t0 d1 ...
    // dn": t0 the end of the frame before the first one listed, in ms of the
    // system's monotonic clock, and each frame's length in ms, so that frame
    // k ended at t0 + d1 + ... + dk. "TESSIMORA_IMAGES" alone when none was.
    // A report more than FINS frames late starts again from the last FINS.
    std::string images();

    // Prints the report line on standard output (and the list of frames
    // when asked for) and flushes it.
    void rapporter();

    static constexpr std::uint32_t FINS = 1024;

private:
    std::atomic<std::int32_t> m_images{0};
    std::atomic<std::int64_t> m_pireNs{0};
    std::atomic<std::int32_t> m_lentes{0};
    // The end of the frame before (ns of the monotonic clock), -1 before the
    // first: the render thread's alone.
    std::int64_t m_precedente = -1;
    // When each frame ended (ns of the monotonic clock), a ring the render
    // thread writes and the report reads behind it.
    std::array<std::atomic<std::int64_t>, FINS> m_fins{};
    std::atomic<std::uint32_t> m_ecrites{0};
    // The report's own, on the GUI thread.
    const bool m_lister;
    std::uint32_t m_lues = 0;
    std::int64_t m_derniere = -1; // in tenths of a ms, as listed
};
