#pragma once

#include "controllers/IFlowchartView.h"
#include "document/DocumentNotifications.h"
#include "flowchart/FlowchartGraph.h"

#include <vector>

namespace TarnViewModel {

class TarnDataModel;

// Mirrors every section and choice into a Graphviz layout, lays it out after each change
// and keeps the flowchart pane and its zoom in step.
class FlowchartController {
public:
    FlowchartController(TarnDataModel& model, IFlowchartView* view);
    FlowchartController(const FlowchartController&) = delete;
    FlowchartController& operator=(const FlowchartController&) = delete;

    void SetZoomPercent(unsigned percent);
    void ZoomIn();
    void ZoomOut();
    std::wstring ZoomText() const;

private:
    static constexpr unsigned LowestZoom = 10;
    static constexpr unsigned HighestZoom = 100;

    void OnBookReset();
    void OnBookLoaded(const std::vector<Section>& sections, const std::vector<Choice>& choices);
    void OnSectionUpdated(std::uint32_t oldNumber, const Section& section, SectionProperty property);
    void OnChoiceUpdated(const Choice& from, const Choice& to, ChoiceUpdateReason reason);
    void AddSection(const Section& section);
    void AddChoice(const Choice& choice);
    std::pair<double, double> BoxSize(const Section& section, const std::wstring& label);
    void Relayout();
    void UpdateZoom();

    TarnDataModel& model_;
    IFlowchartView* view_;
    std::vector<boost::signals2::scoped_connection> connections_;
    FlowchartGraph graph_;
    unsigned zoom_ = HighestZoom;
    int bulkDepth_ = 0;
    bool layoutPending_ = false;
};

}  // namespace TarnViewModel
