#pragma once
// FFmpeg's libraries print nothing on the terminal, whatever file they meet: what went wrong
// reaches the user as one reason, in Italian.

namespace FfmpegLog {
void silence();
}
