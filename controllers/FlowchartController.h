// SPDX-License-Identifier: MIT
#pragma once

#include "controllers/IFlowchartView.h"
#include "document/DocumentNotifications.h"
#include "flowchart/LayoutRunner.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace TarnViewModel {

class SectionSelection;
class TarnDataModel;

// Mirrors every section and choice into a copy of the book's shape, has it laid out after
// each change and keeps the flowchart pane and its zoom in step. Layouts run through the
// runner, in the background in the desktop program: at most one runs and one waits, later
// changes fold into the waiting one, and a result that no longer fits the book is dropped.
// Until the layout arrives, a new box stands in a provisional place with straight arrows.
class FlowchartController {
public:
    FlowchartController(TarnDataModel& model, SectionSelection& selection, IFlowchartView* view,
                        std::unique_ptr<Flowchart::LayoutRunner> runner = std::make_unique<Flowchart::SynchronousLayoutRunner>());
    FlowchartController(const FlowchartController&) = delete;
    FlowchartController& operator=(const FlowchartController&) = delete;

    // The zooms offered, in percent; any percentage between the first and last may be set.
    static constexpr std::array<unsigned, 15> ZoomSteps{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 125, 150, 200, 300, 400};

    void SetZoomPercent(unsigned percent);
    // To the next step up or down.
    void ZoomIn();
    void ZoomOut();
    // Zooms so that the whole chart, or its whole width, fits a window of the given size,
    // but never below the lowest step, where boxes still look like boxes. False when the
    // chart does not fit even there.
    bool FitWholeChart(int windowWidth, int windowHeight);
    bool FitWidth(int windowWidth);
    std::wstring ZoomText() const;

    // A layout runs, waits or is held back by a multi-step change.
    bool LayoutBusy() const { return scheduled_ || running_ || wanted_ || layoutPending_; }
    // Why the last layout failed; empty when it did not.
    const std::string& LayoutError() const { return layoutError_; }

private:
    static constexpr unsigned LowestZoom = ZoomSteps.front();
    static constexpr unsigned HighestZoom = ZoomSteps.back();
    static constexpr unsigned FullSize = 100;

    using NodeKey = std::uint64_t;
    using Node = Flowchart::FlowchartSnapshot::Node;
    struct Edge {
        Uuid id{};
        NodeKey from = 0;
        NodeKey to = 0;
    };
    // Where a box is shown; provisional until a layout has placed it.
    struct Box {
        double left = 0;
        double top = 0;
        bool provisional = true;
    };

    void OnBookReset();
    void OnBookLoaded(const std::vector<Section>& sections, const std::vector<Choice>& choices);
    void OnSectionAdded(const Section& section);
    void OnSectionDeleted(const Section& section);
    void OnChoiceAdded(const Choice& choice);
    void OnChoiceDeleted(const Choice& choice);
    void OnSectionUpdated(std::uint32_t oldNumber, const Section& section, SectionProperty property);
    void OnChoiceUpdated(const Choice& from, const Choice& to, ChoiceUpdateReason reason);
    void OnSectionsSwapped(std::uint32_t a, std::uint32_t b);
    void OnSectionsRenumbered(const NumberChanges& changes);
    void ClearBook();
    // Where a box of the given size goes.
    using Placer = std::function<std::pair<double, double>(double width, double height)>;
    NodeKey AddSection(const Section& section, const Placer& place);
    void AddChoice(const Choice& choice);
    void RemoveEdge(const Uuid& id);
    std::pair<double, double> BoxSize(const Section& section, const std::wstring& label);
    // A straight arrow between two boxes, as a one-piece curve with its arrowhead.
    RoutePoints StraightRoute(NodeKey from, NodeKey to) const;
    void PlaceBelow(NodeKey key, NodeKey above);
    double FreeLeft(double left, double top, double width, double height, NodeKey self = 0) const;
    // Widens the chart to hold a provisional box; true when it grew.
    bool Enclose(double right, double bottom);
    // The book's shape changed: any layout under way no longer fits, and another is due.
    void ShapeChanged();
    void Relayout();
    void StartLayout();
    void OnLayoutDone(std::uint64_t generation, const std::unordered_map<std::uint32_t, NodeKey>& keys, Flowchart::LayoutOutcome outcome);
    void Apply(const Flowchart::FlowchartLayout& layout, const std::unordered_map<std::uint32_t, NodeKey>& keys);
    void UpdateZoom();
    // The largest zoom at which a length of the chart fits the window's length, in no
    // bounds.
    static double FittingZoom(int graphLength, int windowLength);
    // Sets the fitting zoom within the bounds; false when it had to be raised.
    bool Fit(double fitting);

    TarnDataModel& model_;
    SectionSelection& selection_;
    IFlowchartView* view_;
    std::vector<boost::signals2::scoped_connection> connections_;
    std::unique_ptr<Flowchart::LayoutRunner> runner_;
    unsigned zoom_ = FullSize;
    int bulkDepth_ = 0;
    bool layoutPending_ = false;

    // The book's shape: nodes by key and edges by sequence, both in the order added.
    std::map<NodeKey, Node> nodes_;
    std::unordered_map<std::uint32_t, NodeKey> keys_;
    std::map<std::uint64_t, Edge> edges_;
    std::map<Uuid, std::uint64_t> edgeSequence_;
    std::unordered_map<NodeKey, Box> boxes_;
    NodeKey nextKey_ = 1;
    std::uint64_t nextEdge_ = 1;
    int graphWidth_ = 0;
    int graphHeight_ = 0;

    // Counts the changes of shape; a layout of an older count no longer fits.
    std::uint64_t generation_ = 0;
    bool scheduled_ = false;
    bool running_ = false;
    bool wanted_ = false;
    std::string layoutError_;
    // Results that arrive after the controller has gone find this expired; declared last,
    // so it goes first.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace TarnViewModel
