// The benchmarks' main: the console table, then each measure as a multiple of its yardstick,
// measured in the same run.
#include "runtime/Single.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <optional>
#include <string>

namespace {
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_None) {}
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            // A measure timed by the clock (whole processes, work on several threads) has a name
            // that ends in "/real_time"; one run once, in "/iterations:1".
            std::string name = run.benchmark_name();
            const bool real = erase(name, "/real_time");
            erase(name, "/iterations:1");
            m_times[name] = real ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
            for (const auto &[counter, value] : run.counters)
                m_counters[name + ' ' + counter] = value;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const std::string procedure : {"drawCurve", "calibrationEvent", "turnFrame/1", "turnFrame/20", "turnFrame/100"})
            ratio(procedure, limitOf(procedure), "its drawPoints limit");
        ratio("previewStep/20", "turnFrame_drawPointsLimit/20", "the drawPoints limit of 20 curves");
        for (const std::string format : {"png", "svg", "pdf"})
            for (const std::string curves : {"1", "10"})
                ratio("openPicture/" + format + "/" + curves, "savePicture/" + format + "/" + curves, "its save");
        // A 3D model of the picture costs at most half its PNG.
        for (const std::string format : {"stl", "glb", "ply"})
            for (const std::string curves : {"1", "10"})
                ratio("saveModel/" + format + "/" + curves, "savePicture/png/" + curves, "its PNG");
        for (const std::string curves : {"1", "10"})
            processRatio("exportCommandLine/png/" + curves, "savePicture/png/" + curves, "bareWindowStart");
        // The view's motion, beside the tools that make the same files from the same frames.
        for (const auto &[format, tool] : {std::pair{"gif", "convert"}, std::pair{"webp", "img2webp"}})
            for (const std::string curves : {"1", "10"})
                toolRatio(std::string("saveAnimation/") + format + "/turn72/" + curves, std::string(tool) + '/' + format + "/turn72/" + curves,
                          tool);
        // The lit surfaces' turn, of thousands of colours, beside ImageMagick's reduction of them.
        for (const std::string curves : {"1", "10"})
            qualityRatio("saveAnimation/gif/turn72/surface/" + curves, "convert/gif/turn72/surface/" + curves, "convert", "error",
                         "mean error per channel");
        ratio("sweepStep/20", "turnFrame_drawPointsLimit/20", "the drawPoints limit of 20 curves");
        // The lit surfaces cost at most half llvmpipe's frame, and the section a tenth more.
        for (const std::string curves : {"1", "10"})
            ratio("surfaceFrame/" + curves, "surfaceFrame_llvmpipe/" + curves, "llvmpipe");
        ratio("surfaceFrame/10/smooth", "surfaceFrame_llvmpipe/10/smooth", "llvmpipe, both with 4 samples a pixel");
        ratio("sectionFrame/10", "surfaceFrame/10", "surfaceFrame/10");
        // Videos beside ffmpeg making the same file with the same settings, and beside the GIF.
        for (const std::string format : {"mp4", "webm"}) {
            qualityRatio("saveVideo/" + format + "/turn72/10", "ffmpeg/" + format + "/turn72/10", "ffmpeg", "psnr",
                         "dB at the worst frame");
            sizeRatio("saveVideo/" + format + "/turn72/10", "saveVideo/gif/turn72/10", "the GIF of the same turn");
        }
        for (const std::string measure : {"saveAnimationMemory/gif/turn72/2560x1440", "saveAnimationMemory/gif/turn72/2560x1440/surface",
                                          "saveVideoMemory/mp4/turn72/2560x1440", "saveVideoMemory/webm/turn72/2560x1440"})
            if (const auto peak = m_counters.find(measure + " peakMiB"); peak != m_counters.end())
                std::printf("%-20s peak %.1f MiB resident\n", measure.c_str(), peak->second);
    }

private:
    static bool erase(std::string &name, const std::string &part)
    {
        const std::size_t at = name.find(part);
        if (at == std::string::npos)
            return false;
        name.erase(at, part.size());
        return true;
    }

    // "turnFrame/20" is measured against "turnFrame_drawPointsLimit/20".
    static std::string limitOf(const std::string &procedure)
    {
        const std::size_t slash = procedure.find('/');
        if (slash == std::string::npos)
            return procedure + "_drawPointsLimit";
        return procedure.substr(0, slash) + "_drawPointsLimit" + procedure.substr(slash);
    }

    const double *time(const std::string &measure) const
    {
        const auto found = m_times.find(measure);
        return found == m_times.end() ? nullptr : &found->second;
    }

    void ratio(const std::string &measure, const std::string &yardstick, const char *what) const
    {
        const double *measured = time(measure);
        const double *limit = time(yardstick);
        if (measured && limit)
            std::printf("%-20s %.2fx %s (%.3f ms against %.3f ms)\n", measure.c_str(), *measured / *limit, what, *measured, *limit);
    }

    // Time and size against another program's making the same file.
    void toolRatio(const std::string &measure, const std::string &yardstick, const char *tool) const
    {
        const double *measured = time(measure);
        const double *limit = time(yardstick);
        const auto bytes = m_counters.find(measure + " bytes");
        const auto toolBytes = m_counters.find(yardstick + " bytes");
        if (measured && limit && bytes != m_counters.end() && toolBytes != m_counters.end())
            std::printf("%-20s %.2fx %s time, %.2fx its size (%.0f ms against %.0f ms, %.0f against %.0f bytes)\n", measure.c_str(),
                        *measured / *limit, tool, bytes->second / toolBytes->second, *measured, *limit, bytes->second, toolBytes->second);
    }

    // Time, size and a measure of the frames' quality (the counter of that name, in that unit)
    // against another program's making the same file.
    void qualityRatio(const std::string &measure, const std::string &yardstick, const char *tool, const char *quality,
                      const char *unit) const
    {
        const double *measured = time(measure);
        const double *limit = time(yardstick);
        const auto counter = [this](const std::string &name) {
            const auto found = m_counters.find(name);
            return found == m_counters.end() ? std::nullopt : std::optional(found->second);
        };
        const auto bytes = counter(measure + " bytes"), toolBytes = counter(yardstick + " bytes");
        const auto mine = counter(measure + ' ' + quality), theirs = counter(yardstick + ' ' + quality);
        if (measured && limit && bytes && toolBytes && mine && theirs)
            std::printf("%-20s %.2fx %s time, %.2fx its size, %.3fx its %s (%.0f ms against %.0f ms, %.0f against %.0f bytes, "
                        "%.3f against %.3f %s)\n",
                        measure.c_str(), *measured / *limit, tool, *bytes / *toolBytes, *mine / *theirs, quality, *measured, *limit,
                        *bytes, *toolBytes, *mine, *theirs, unit);
    }

    void sizeRatio(const std::string &measure, const std::string &yardstick, const char *what) const
    {
        const auto bytes = m_counters.find(measure + " bytes");
        const auto other = m_counters.find(yardstick + " bytes");
        if (bytes != m_counters.end() && other != m_counters.end())
            std::printf("%-20s %.2fx the size of %s (%.0f against %.0f bytes)\n", measure.c_str(), bytes->second / other->second, what,
                        bytes->second, other->second);
    }

    // A whole process against the work it does in the program plus a bare window's start.
    void processRatio(const std::string &process, const std::string &work, const std::string &start) const
    {
        const double *measured = time(process);
        const double *done = time(work);
        const double *started = time(start);
        if (measured && done && started)
            std::printf("%-20s %.2fx its save plus a bare window's start (%.1f ms against %.1f + %.1f ms)\n", process.c_str(),
                        *measured / (*done + *started), *measured, *done, *started);
    }

    std::map<std::string, double> m_times;
    std::map<std::string, double> m_counters;
};
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    Single::destroyAll();
    return 0;
}
