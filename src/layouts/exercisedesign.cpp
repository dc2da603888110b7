#include "exercisedesign.h"

namespace vocario {
namespace {

constexpr qint64 kCyan = 0xFFFF00;

} // namespace

// clang-format off
WindowDesign exerciseWindowDesign(const char* name, const FramePlaces& p,
                                  std::vector<ControlDesign> ownControls) {
    std::vector<ControlDesign> controls = {
        {"BottoneAvanti", ControlKind::Button, 0, {"avanti"}, {p.avantiLeft}, {p.avantiTop}, {1905},
         {855}, arial(14.25), Graphical | Disabled, kNoColour, Picture::FrecciaAvanti},
        {"ComandoIconaNo", ControlKind::Picture, 0, {""}, {p.iconsLeft}, {p.iconsTop}, {975}, {855},
         {}, Stretched, kNoColour, Picture::IconaNo},
        {"ComandoIconaSi", ControlKind::Picture, 0, {""}, {p.iconsLeft}, {p.iconsTop}, {975}, {855},
         {}, Stretched, kNoColour, Picture::IconaSi},
        {"EtichettaErrati", ControlKind::Label, 0, {"quantierrati"}, {p.erratiCountLeft},
         {p.erratiCountTop}, {855}, {615}, arial(18), Transparent, kCyan},
        {"EtichettaEsatti", ControlKind::Label, 0, {"quantiesatti"}, {p.esattiCountLeft},
         {p.esattiCountTop}, {975}, {615}, arial(18), Transparent, kCyan},
        {p.erratiCaptionName, ControlKind::Label, 0, {"Errati"}, {p.erratiCaptionLeft},
         {p.erratiCaptionTop}, {735}, {495}, arial(12), Transparent, kCyan},
        {"Label1", ControlKind::Label, 0, {"Esatti"}, {p.esattiCaptionLeft}, {p.esattiCaptionTop},
         {735}, {375}, arial(12), Transparent, kCyan},
    };
    for (ControlDesign& row : ownControls)
        controls.push_back(std::move(row));
    return {
        name, "Form2", 1110, 1800, 10305, 7695, 0x0080FF, Picture::Faccina, std::move(controls)};
}

} // namespace vocario
// clang-format on
