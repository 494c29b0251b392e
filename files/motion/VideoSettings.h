#pragma once
// How Elica's videos are encoded, in one place: the muxer, the encoder and their options by the
// names FFmpeg's libraries give them, which the ffmpeg program takes too ("-preset veryfast").

#include <span>

namespace VideoSettings {
struct Option {
    const char *name;
    const char *value;
};

struct Encoding {
    const char *muxer;
    const char *encoder;
    std::span<const Option> encoderOptions;
    std::span<const Option> muxerOptions;
    // The constant quality ("crf") for frames of the dots, and of the lit surfaces.
    const char *dotsQuality;
    const char *surfacesQuality;
};

// The frames move all over the picture and its dots are a pixel or two: a fast preset loses little
// against a slow one there, and tuned for PSNR the encoder spreads its bits evenly over the
// frames, so that the worst frame stays close to the average. High profile with the level the
// encoder picks from the size plays on every hardware decoder. A key frame every two seconds:
// a player that seeks decodes no more than that. Two threads, one B-frame and a look ahead of three
// frames keep what the encoder holds at 2560 x 1440 low enough for a save of the lit surfaces to
// stay under 300 MiB (some 20 MiB less than a look ahead of five), whatever the cores; more
// B-frames make shaded frames a tenth smaller and the dots no smaller.
inline constexpr Option h264Options[] = {{"preset", "veryfast"}, {"tune", "psnr"}, {"profile", "high"},
                                         {"g", "50"}, {"bf", "1"}, {"threads", "2"},
                                         {"x264-params", "rc-lookahead=3:sync-lookahead=0"}};
// Constant quality (a bit rate of 0) at the encoder's fastest real-time speed, rows in parallel,
// and no frames held back to look ahead, which real time does not use and which would cost
// 180 MB at 2560 x 1440. Two threads, as for H.264, whatever the cores: each more costs some 6 MB
// at that size, and the next frame is drawn meanwhile anyway. The rest, some 290 MB at that size,
// libvpx allocates and clears whatever the options: 178 MB for the tokens of a whole frame and
// 76 MB for ten frames with their borders.
inline constexpr Option vp9Options[] = {{"deadline", "realtime"}, {"cpu-used", "8"}, {"b", "0"},
                                        {"row-mt", "1"}, {"lag-in-frames", "0"}, {"g", "50"}, {"threads", "2"}};
// The index before the frames, so that a player starts before the whole file has come; tags of
// any name, read back as written; no version or date of the libraries in the file.
inline constexpr Option mp4Muxer[] = {{"movflags", "+faststart+use_metadata_tags"}, {"fflags", "+bitexact"}};
inline constexpr Option webmMuxer[] = {{"fflags", "+bitexact"}};

// The quality keeps every frame within 40 dB of PSNR of the view's own for the lit surfaces (the
// worst frame of ten curves whose surfaces nearly coincide at 41,9 dB in H.264 and 41,0 in VP9)
// and within 34 dB for the dots (38,1 and 35,2), whose video would be no smaller than their GIF at
// the surfaces' quality.
inline constexpr Encoding mp4{"mp4", "libx264", h264Options, mp4Muxer, "31", "27"};
inline constexpr Encoding webm{"webm", "libvpx-vp9", vp9Options, webmMuxer, "48", "38"};
}
