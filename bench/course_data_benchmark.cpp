// Reading a CourseData document of the largest import: 511 controls with
// positions and 200 courses of 35 controls between a start and a finish,
// as course-setting programs write them, from memory (the goal: well under
// 0.1 s; storing goes through the sectioned import's operations, which
// import_benchmark measures).
#include <benchmark/benchmark.h>

#include <string>

#include "base/files/exchange_line_reader.h"
#include "ol/exchange/iof/course_data_reader.h"

namespace {

using namespace oltoma;

std::string LargestDocument(int controls, int courses, int perCourse) {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<CourseData xmlns=\"http://www.orienteering.org/datastandard/3.0\" iofVersion=\"3.0\">\n"
        "  <Event><Name>Benchmark</Name></Event>\n  <RaceCourseData>\n";
    for (int i = 0; i < controls; ++i) {
        text += "    <Control><Id>" + std::to_string(100 + i) +
                "</Id><Position lng=\"17.9\" lat=\"59.3\"/><MapPosition x=\"" +
                std::to_string(i % 300) + ".25\" y=\"-" + std::to_string(i % 200) +
                ".35\" unit=\"mm\"/></Control>\n";
    }
    for (int c = 0; c < courses; ++c) {
        text += "    <Course><Name>Bana " + std::to_string(c) +
                "</Name><Length>5230</Length><Climb>120</Climb>\n"
                "      <CourseControl type=\"Start\"><Control>S1</Control></CourseControl>\n";
        for (int k = 0; k < perCourse; ++k) {
            text += "      <CourseControl><Control>" +
                    std::to_string(100 + (c * 7 + k) % controls) +
                    "</Control><LegLength>230</LegLength></CourseControl>\n";
        }
        text +=
            "      <CourseControl type=\"Finish\"><Control>F1</Control></CourseControl>\n"
            "    </Course>\n";
    }
    return text + "  </RaceCourseData>\n</CourseData>\n";
}

void ReadLargestCourseData(benchmark::State& state) {
    const std::string document =
        LargestDocument(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 35);
    for (auto _ : state) {
        const ol::iof::CourseDataReading reading =
            ol::iof::ReadCourseData(ReadFromMemory(document), 0);
        if (reading.status != ol::iof::ReadStatus::sound) {
            state.SkipWithError("the document was refused");
        }
        benchmark::DoNotOptimize(reading.data.race.courses.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
}
BENCHMARK(ReadLargestCourseData)->Args({511, 200})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
