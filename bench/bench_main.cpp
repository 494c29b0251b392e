// The benchmarks' main: the console table, then each measure as a multiple of its yardstick,
// measured in the same run.
#include "runtime/Single.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_None) {}
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            // A measure of whole processes is timed by the clock: its name ends in "/real_time".
            std::string name = run.benchmark_name();
            const std::size_t real = name.find("/real_time");
            if (real != std::string::npos)
                name.erase(real);
            m_times[name] = real != std::string::npos ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const std::string procedure : {"CALCOLA", "calibrationEvent", "turnFrame/1", "turnFrame/20", "turnFrame/100"})
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
    }

private:
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
            std::printf("%-20s %.2fx %s (CPU time; %.3f ms against %.3f ms)\n", measure.c_str(), *measured / *limit, what,
                        *measured, *limit);
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
