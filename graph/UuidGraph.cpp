// SPDX-License-Identifier: MIT
#include "graph/UuidGraph.h"

#include <set>

namespace GraphCore {

UuidGraph::UuidGraph() : graph_(std::make_unique<Graph>()) {}

UuidGraph::UuidGraph(const UuidGraph& other) : UuidGraph()
{
    // Rebuilding from the global edge list (insertion order) reproduces every vertex's
    // out-edge and in-edge order.
    for (const auto& [id, vertex] : other.vertices_) {
        (void)vertex;
        AddVertex(id);
    }
    const Graph& source = *other.graph_;
    for (auto [it, end] = boost::edges(source); it != end; ++it) {
        AddEdge(source[boost::source(*it, source)], source[*it], source[boost::target(*it, source)]);
    }
}

UuidGraph& UuidGraph::operator=(const UuidGraph& other)
{
    if (this != &other) {
        UuidGraph copy(other);
        *this = std::move(copy);
    }
    return *this;
}

UuidGraph::UuidGraph(UuidGraph&&) noexcept = default;
UuidGraph& UuidGraph::operator=(UuidGraph&&) noexcept = default;
UuidGraph::~UuidGraph() = default;

UuidGraph::Vertex UuidGraph::FindVertex(const Uuid& sectionId) const
{
    auto found = vertices_.find(sectionId);
    if (found == vertices_.end()) {
        throw InvalidSectionException();
    }
    return found->second;
}

void UuidGraph::Reserve(std::size_t vertices, std::size_t edges)
{
    vertices_.reserve(vertices);
    edges_.reserve(edges);
}

void UuidGraph::AddVertex(const Uuid& sectionId)
{
    vertices_[sectionId] = boost::add_vertex(sectionId, *graph_);
}

void UuidGraph::RemoveVertex(const Uuid& sectionId)
{
    Vertex vertex = FindVertex(sectionId);
    Graph& graph = *graph_;
    for (auto [it, end] = boost::out_edges(vertex, graph); it != end; ++it) {
        edges_.erase(graph[*it]);
    }
    for (auto [it, end] = boost::in_edges(vertex, graph); it != end; ++it) {
        edges_.erase(graph[*it]);
    }
    boost::clear_vertex(vertex, graph);
    boost::remove_vertex(vertex, graph);
    vertices_.erase(sectionId);
}

void UuidGraph::AddEdge(const Uuid& sourceId, const Uuid& choiceId, const Uuid& destinationId)
{
    Vertex source = FindVertex(sourceId);
    Vertex destination = FindVertex(destinationId);
    auto [edge, added] = boost::add_edge(source, destination, choiceId, *graph_);
    if (!added) {
        throw AddChoiceException();
    }
    edges_[choiceId] = edge;
}

void UuidGraph::RemoveEdge(const Uuid& choiceId)
{
    auto found = edges_.find(choiceId);
    if (found == edges_.end()) {
        throw InvalidChoiceException();
    }
    boost::remove_edge(found->second, *graph_);
    edges_.erase(found);
}

void UuidGraph::ForEachOutEdge(const Uuid& sectionId, const IdCallback& callback) const
{
    Vertex vertex = FindVertex(sectionId);
    const Graph& graph = *graph_;
    for (auto [it, end] = boost::out_edges(vertex, graph); it != end; ++it) {
        callback(graph[*it]);
    }
}

void UuidGraph::ForEachInEdge(const Uuid& sectionId, const IdCallback& callback) const
{
    Vertex vertex = FindVertex(sectionId);
    const Graph& graph = *graph_;
    for (auto [it, end] = boost::in_edges(vertex, graph); it != end; ++it) {
        callback(graph[*it]);
    }
}

void UuidGraph::ForEachIncidentEdge(const Uuid& sectionId, const IdCallback& callback) const
{
    std::set<Uuid> incident;
    auto collect = [&incident](const Uuid& choiceId) { incident.insert(choiceId); };
    ForEachInEdge(sectionId, collect);
    ForEachOutEdge(sectionId, collect);
    for (const Uuid& choiceId : incident) {
        callback(choiceId);
    }
}

}  // namespace GraphCore
