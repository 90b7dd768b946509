#pragma once

#include <QElapsedTimer>
#include <atomic>
#include <cstdint>
#include <string>

// The frame-rate report of "--ips": the render thread counts frames, the GUI
// thread prints one line a second. The three counters cross threads, so they
// are atomic and the report takes each one and zeroes it in a single
// exchange: no frame is lost or counted twice.
class CompteurImages {
public:
    // Called on the thread that renders, once per frame: integer work only,
    // no allocation, no output.
    void image();

    // Takes the counters since the last report, zeroes them and returns the
    // report line ("TESSIMORA_IPS %d %.1f %d", without the newline).
    std::string releve();

    // Prints the report line on standard output and flushes it.
    void rapporter();

private:
    std::atomic<std::int32_t> m_images{0};
    std::atomic<std::int64_t> m_pireNs{0};
    std::atomic<std::int32_t> m_lentes{0};
    QElapsedTimer m_horloge; // used by the render thread alone
};
