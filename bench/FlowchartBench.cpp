// SPDX-License-Identifier: MIT
#include "BookBuilder.h"

#include "flowchart/FlowchartGraph.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

using namespace TarnViewModel;

namespace {

struct Segment {
    Flowchart::RoutePoint from;
    Flowchart::RoutePoint to;
    std::size_t edge;
};

bool Cross(const Segment& a, const Segment& b)
{
    const auto side = [](const Flowchart::RoutePoint& p, const Flowchart::RoutePoint& q, const Flowchart::RoutePoint& r) {
        const double value = (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
        return (value > 0) - (value < 0);
    };
    return side(a.from, a.to, b.from) * side(a.from, a.to, b.to) < 0 && side(b.from, b.to, a.from) * side(b.from, b.to, a.to) < 0;
}

// The arrow as drawn: each cubic curve of its route flattened into short lines, then the
// arrowhead's line.
std::vector<Flowchart::RoutePoint> DrawnLine(const std::vector<Flowchart::RoutePoint>& points)
{
    constexpr int Steps = 8;
    std::vector<Flowchart::RoutePoint> line;
    if (points.size() < 2) {
        return line;
    }
    line.push_back(points[0]);
    for (std::size_t index = 1; index + 2 <= points.size() - 2; index += 3) {
        const Flowchart::RoutePoint start = line.back();
        const Flowchart::RoutePoint& p1 = points[index];
        const Flowchart::RoutePoint& p2 = points[index + 1];
        const Flowchart::RoutePoint& p3 = points[index + 2];
        for (int step = 1; step <= Steps; ++step) {
            const double t = static_cast<double>(step) / Steps;
            const double u = 1 - t;
            const auto blend = [&](double a, double b, double c, double d) {
                return u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d;
            };
            line.push_back({blend(start.x, p1.x, p2.x, p3.x), blend(start.y, p1.y, p2.y, p3.y)});
        }
    }
    line.push_back(points.back());
    return line;
}

// Pairs of arrows that cross, each pair counted once, found through a grid of cells so that
// only neighbours are compared.
std::size_t Crossings(const std::vector<Flowchart::EdgeRoute>& edges)
{
    constexpr double Cell = 200.0;
    std::vector<Segment> segments;
    for (std::size_t index = 0; index < edges.size(); ++index) {
        const std::vector<Flowchart::RoutePoint> points = DrawnLine(edges[index].points);
        for (std::size_t point = 1; point < points.size(); ++point) {
            segments.push_back({points[point - 1], points[point], index});
        }
    }
    std::map<std::pair<long, long>, std::vector<std::size_t>> cells;
    for (std::size_t index = 0; index < segments.size(); ++index) {
        const Segment& s = segments[index];
        const long left = static_cast<long>(std::floor(std::min(s.from.x, s.to.x) / Cell));
        const long right = static_cast<long>(std::floor(std::max(s.from.x, s.to.x) / Cell));
        const long top = static_cast<long>(std::floor(std::min(s.from.y, s.to.y) / Cell));
        const long bottom = static_cast<long>(std::floor(std::max(s.from.y, s.to.y) / Cell));
        for (long x = left; x <= right; ++x) {
            for (long y = top; y <= bottom; ++y) {
                cells[{x, y}].push_back(index);
            }
        }
    }
    std::set<std::pair<std::size_t, std::size_t>> crossing;
    for (const auto& [cell, members] : cells) {
        for (std::size_t i = 0; i < members.size(); ++i) {
            for (std::size_t j = i + 1; j < members.size(); ++j) {
                const Segment& a = segments[members[i]];
                const Segment& b = segments[members[j]];
                if (a.edge != b.edge && Cross(a, b)) {
                    crossing.emplace(std::min(a.edge, b.edge), std::max(a.edge, b.edge));
                }
            }
        }
    }
    return crossing.size();
}

// "dot" over a generated gamebook with boxes of the program's smallest size, as the book
// opens; with the time, the crossings and the drawing area tell whether speed was bought
// with a chart nobody can read.
void DotLayout(benchmark::State& state, Flowchart::FlowchartGraph::Tuning tuning)
{
    const auto sections = static_cast<std::uint32_t>(state.range(0));
    const BenchSupport::BookRecords book = BenchSupport::MakeGamebookRecords(sections);
    Flowchart::FlowchartGraph graph;
    graph.SetTuning(tuning);
    for (const Section& section : book.sections) {
        graph.AddNode(section.number, 80, 50);
    }
    for (const Choice& choice : book.choices) {
        graph.AddEdge(choice.id, choice.source, choice.destination);
    }
    std::vector<Flowchart::EdgeRoute> edges;
    int width = 0;
    int height = 0;
    for (auto _ : state) {
        edges.clear();
        graph.Layout([](const Flowchart::NodePlacement&) {}, [&](const Flowchart::EdgeRoute& edge) { edges.push_back(edge); },
                     [&](int w, int h) {
                         width = w;
                         height = h;
                     });
    }
    state.counters["crossings"] = static_cast<double>(Crossings(edges));
    state.counters["width"] = width;
    state.counters["height"] = height;
    state.counters["area_Mpx"] = static_cast<double>(width) * height / 1e6;
}

}  // namespace

BENCHMARK_CAPTURE(DotLayout, defaults, Flowchart::FlowchartGraph::Tuning::Defaults)
    ->Arg(200)
    ->Arg(400)
    ->Arg(700)
    ->Arg(1000)
    ->Arg(3000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(DotLayout, fast, Flowchart::FlowchartGraph::Tuning::Fast)
    ->Arg(200)
    ->Arg(400)
    ->Arg(700)
    ->Arg(1000)
    ->Arg(3000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(DotLayout, by_size, Flowchart::FlowchartGraph::Tuning::BySize)
    ->Arg(400)
    ->Arg(1000)
    ->Arg(3000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
