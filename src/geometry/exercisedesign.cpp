#include "exercisedesign.h"

namespace vocario {
namespace {

constexpr qint64 kCyan = 0xFFFF00;

} // namespace

WindowDesign exerciseWindowDesign(const char* name, const FramePlaces& p,
                                  std::vector<ControlDesign> ownControls) {
    // clang-format off
    std::vector<ControlDesign> controls = {
        {.name = "BottoneAvanti", .kind = ControlKind::Button,
         .texts = {"avanti"},
         .lefts = {p.avanti.left}, .tops = {p.avanti.top}, .widths = {1905}, .heights = {855},
         .font = arial(14.25), .look = Graphical | Disabled, .picture = Picture::FrecciaAvanti},
        {.name = "ComandoIconaNo", .kind = ControlKind::Picture,
         .texts = {""},
         .lefts = {p.icons.left}, .tops = {p.icons.top}, .widths = {975}, .heights = {855},
         .look = Stretched, .picture = Picture::IconaNo},
        {.name = "ComandoIconaSi", .kind = ControlKind::Picture,
         .texts = {""},
         .lefts = {p.icons.left}, .tops = {p.icons.top}, .widths = {975}, .heights = {855},
         .look = Stretched, .picture = Picture::IconaSi},
        {.name = "EtichettaErrati", .kind = ControlKind::Label,
         .texts = {"quantierrati"},
         .lefts = {p.erratiCount.left}, .tops = {p.erratiCount.top}, .widths = {855},
         .heights = {615},
         .font = arial(18), .look = Transparent, .backColour = kCyan},
        {.name = "EtichettaEsatti", .kind = ControlKind::Label,
         .texts = {"quantiesatti"},
         .lefts = {p.esattiCount.left}, .tops = {p.esattiCount.top}, .widths = {975},
         .heights = {615},
         .font = arial(18), .look = Transparent, .backColour = kCyan},
        {.name = p.erratiCaptionName, .kind = ControlKind::Label,
         .texts = {"Errati"},
         .lefts = {p.erratiCaption.left}, .tops = {p.erratiCaption.top}, .widths = {735},
         .heights = {495},
         .font = arial(12), .look = Transparent, .backColour = kCyan},
        {.name = "Label1", .kind = ControlKind::Label,
         .texts = {"Esatti"},
         .lefts = {p.esattiCaption.left}, .tops = {p.esattiCaption.top}, .widths = {735},
         .heights = {375},
         .font = arial(12), .look = Transparent, .backColour = kCyan},
    };
    // clang-format on
    for (ControlDesign& row : ownControls)
        controls.push_back(std::move(row));
    return {
        .name = name,
        .title = "Vocario", // the frame adds the exercise's caption
        .clientLeft = 1110,
        .clientTop = 1800,
        .clientWidth = 10305,
        .clientHeight = 7695,
        .backColour = 0x0080FF,
        .icon = Picture::Faccina,
        .controls = std::move(controls),
    };
}

} // namespace vocario
