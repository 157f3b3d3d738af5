#include "solver/grader/Technique.h"

#include "solver/grader/Techniques.h"

#include <array>

namespace grader {

namespace {

const std::array<TechniqueInfo, static_cast<std::size_t>(Technique::Count)> kInfo = {{
    {"hidden-single", 1, 1, hiddenSingle},
    {"naked-single", 1, 2, nakedSingle},
    {"pointing", 2, 5, pointing},
    {"claiming", 2, 6, claiming},
    {"naked-pair", 2, 8, nakedPair},
    {"hidden-pair", 2, 10, hiddenPair},
    {"naked-triple", 2, 12, nakedTriple},
    {"hidden-triple", 2, 14, hiddenTriple},
    {"x-wing", 3, 20, xWing},
    {"skyscraper", 3, 21, skyscraper},
    {"two-string-kite", 3, 21, twoStringKite},
    {"xy-wing", 3, 22, xyWing},
    {"w-wing", 3, 23, wWing},
    {"xyz-wing", 3, 24, xyzWing},
    {"naked-quad", 3, 25, nakedQuad},
    {"hidden-quad", 3, 26, hiddenQuad},
    {"swordfish", 3, 27, swordfish},
    {"simple-colouring", 3, 28, simpleColouring},
    {"unique-rectangle", 3, 30, uniqueRectangle},
    {"bug+1", 3, 30, bugPlusOne},
    {"jellyfish", 3, 32, jellyfish},
    {"x-cycle", 4, 40, xCycle},
    {"xy-chain", 4, 45, xyChain},
    {"3d-medusa", 4, 50, medusa3D},
    {"aic", 4, 55, alternatingChain},
    {"grouped-aic", 4, 60, groupedChain},
}};

} // namespace

const TechniqueInfo &info(Technique t) { return kInfo[static_cast<std::size_t>(t)]; }

QString techniqueName(Technique t) { return QString::fromLatin1(info(t).name); }

} // namespace grader
