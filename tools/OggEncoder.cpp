#include "OggEncoder.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>

namespace quillox::assets {
namespace {

void Drain(ogg_stream_state& os, std::string& out, bool flush) {
    ogg_page page;
    while ((flush ? ogg_stream_flush(&os, &page) : ogg_stream_pageout(&os, &page)) != 0) {
        out.append(reinterpret_cast<const char*>(page.header), page.header_len);
        out.append(reinterpret_cast<const char*>(page.body), page.body_len);
    }
}

}  // namespace

std::string OggEncoder::Encode(const std::vector<float>& left,
                               const std::vector<float>& right) const {
    std::string out;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 2, rate_, quality_) != 0) {
        vorbis_info_clear(&vi);
        return out;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "TITLE", "Quillox title theme");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 0x51C0);
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    Drain(os, out, true);

    const std::size_t total = std::min(left.size(), right.size());
    constexpr std::size_t kChunk = 4096;
    std::size_t pos = 0;
    bool ended = false;
    while (!ended) {
        const std::size_t n = std::min(kChunk, total - pos);
        if (n == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
            std::copy_n(left.begin() + static_cast<std::ptrdiff_t>(pos), n, buffer[0]);
            std::copy_n(right.begin() + static_cast<std::ptrdiff_t>(pos), n, buffer[1]);
            vorbis_analysis_wrote(&vd, static_cast<int>(n));
            pos += n;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&vd, &packet) != 0) {
                ogg_stream_packetin(&os, &packet);
                Drain(os, out, false);
                if (packet.e_o_s != 0) ended = true;
            }
        }
        if (n == 0) ended = true;
    }
    Drain(os, out, true);
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}

}  // namespace quillox::assets
