#include "ogg.h"

#include <cstdio>
#include <cstring>
#include <vorbis/vorbisenc.h>

namespace {

bool ecrirePages(std::FILE* f, ogg_stream_state& flux, bool forcer) {
    ogg_page page;
    while (forcer ? ogg_stream_flush(&flux, &page) : ogg_stream_pageout(&flux, &page)) {
        if (std::fwrite(page.header, 1, page.header_len, f) !=
                static_cast<size_t>(page.header_len) ||
            std::fwrite(page.body, 1, page.body_len, f) != static_cast<size_t>(page.body_len))
            return false;
    }
    return true;
}

} // namespace

bool ecrireOgg(const std::string& chemin, const synthese::Mono& gauche,
               const synthese::Mono* droite, float qualite) {
    const int canaux = droite ? 2 : 1;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, canaux, synthese::FE, qualite) != 0) {
        std::fprintf(stderr, "%s : encodeur Vorbis refusé\n", chemin.c_str());
        vorbis_info_clear(&info);
        return false;
    }
    vorbis_comment commentaire;
    vorbis_comment_init(&commentaire);
    vorbis_comment_add_tag(&commentaire, "ENCODER", "tessimora atelier son");
    vorbis_dsp_state dsp;
    vorbis_block bloc;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &bloc);
    ogg_stream_state flux;
    // A fixed serial number keeps the files identical from build to build.
    ogg_stream_init(&flux, 0x7e551a0);

    std::FILE* f = std::fopen(chemin.c_str(), "wb");
    bool bon = f != nullptr;
    if (bon) {
        ogg_packet entete, commentaires, codes;
        vorbis_analysis_headerout(&dsp, &commentaire, &entete, &commentaires, &codes);
        ogg_stream_packetin(&flux, &entete);
        ogg_stream_packetin(&flux, &commentaires);
        ogg_stream_packetin(&flux, &codes);
        bon = ecrirePages(f, flux, true);
    }
    const std::size_t total = gauche.size();
    std::size_t pos = 0;
    bool fini = false;
    while (bon && !fini) {
        const std::size_t morceau = std::min<std::size_t>(4096, total - pos);
        if (morceau == 0) {
            vorbis_analysis_wrote(&dsp, 0); // end of stream
        } else {
            float** tampon = vorbis_analysis_buffer(&dsp, static_cast<int>(morceau));
            std::memcpy(tampon[0], gauche.data() + pos, morceau * sizeof(float));
            if (droite) std::memcpy(tampon[1], droite->data() + pos, morceau * sizeof(float));
            vorbis_analysis_wrote(&dsp, static_cast<int>(morceau));
            pos += morceau;
        }
        while (vorbis_analysis_blockout(&dsp, &bloc) == 1) {
            vorbis_analysis(&bloc, nullptr);
            vorbis_bitrate_addblock(&bloc);
            ogg_packet paquet;
            while (vorbis_bitrate_flushpacket(&dsp, &paquet)) {
                ogg_stream_packetin(&flux, &paquet);
                if (!ecrirePages(f, flux, false)) bon = false;
                if (paquet.e_o_s) fini = true;
            }
        }
        if (morceau == 0) fini = true;
    }
    if (bon) bon = ecrirePages(f, flux, true);
    if (f && std::fclose(f) != 0) bon = false;
    if (!bon) std::fprintf(stderr, "%s : écriture impossible\n", chemin.c_str());

    ogg_stream_clear(&flux);
    vorbis_block_clear(&bloc);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&commentaire);
    vorbis_info_clear(&info);
    return bon;
}
