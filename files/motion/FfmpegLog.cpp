#include "files/motion/FfmpegLog.h"

extern "C" {
#include <libavutil/log.h>
}

void FfmpegLog::silence()
{
    av_log_set_level(AV_LOG_QUIET);
}
