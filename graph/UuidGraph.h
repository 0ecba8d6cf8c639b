// SPDX-License-Identifier: MIT
#pragma once

#include "graph/GraphCoreExceptions.h"
#include "graph/Uuid.h"

#include <boost/graph/adjacency_list.hpp>

#include <functional>
#include <memory>
#include <unordered_map>

namespace GraphCore {

using TarnViewModel::Uuid;
using IdCallback = std::function<void(const Uuid&)>;

// Directed multigraph of sections (vertices) and choices (edges), each known by its id.
// Out-edges and in-edges keep insertion order; parallel edges and self-loops are allowed.
class UuidGraph {
public:
    UuidGraph();
    UuidGraph(const UuidGraph& other);
    UuidGraph& operator=(const UuidGraph& other);
    UuidGraph(UuidGraph&&) noexcept;
    UuidGraph& operator=(UuidGraph&&) noexcept;
    ~UuidGraph();

    // Room for this many vertices and edges in all, so that a large graph is built without rehashing.
    void Reserve(std::size_t vertices, std::size_t edges);
    void AddVertex(const Uuid& sectionId);
    void RemoveVertex(const Uuid& sectionId);
    void AddEdge(const Uuid& sourceId, const Uuid& choiceId, const Uuid& destinationId);
    void RemoveEdge(const Uuid& choiceId);

    void ForEachOutEdge(const Uuid& sectionId, const IdCallback& callback) const;
    void ForEachInEdge(const Uuid& sectionId, const IdCallback& callback) const;
    // In-edges and out-edges together, each once (a self-loop too), in id order.
    void ForEachIncidentEdge(const Uuid& sectionId, const IdCallback& callback) const;

private:
    // List storage everywhere keeps descriptors stable across unrelated removals.
    using Graph = boost::adjacency_list<boost::listS, boost::listS, boost::bidirectionalS, Uuid, Uuid, boost::no_property, boost::listS>;
    using Vertex = Graph::vertex_descriptor;
    using Edge = Graph::edge_descriptor;

    Vertex FindVertex(const Uuid& sectionId) const;

    // Held by pointer so that moving the graph never invalidates the descriptors in the maps.
    std::unique_ptr<Graph> graph_;
    std::unordered_map<Uuid, Vertex, TarnViewModel::UuidHash> vertices_;
    std::unordered_map<Uuid, Edge, TarnViewModel::UuidHash> edges_;
};

}  // namespace GraphCore
