#include "solver/grader/Technique.h"

#include "solver/grader/Techniques.h"

#include <array>

namespace grader {

namespace {

const std::array<TechniqueInfo, static_cast<std::size_t>(Technique::Count)> kInfo = {{
    {"hidden-single", "hidden-single", "Hidden single", 1, 1, hiddenSingle, describeHiddenSingle, readsSingle},
    {"naked-single", "naked-single", "Naked single", 1, 2, nakedSingle, describeNakedSingle, readsSingle},
    {"pointing", "locked-candidates", "Locked candidates (pointing)", 2, 5, pointing, describeLocked, readsLocked},
    {"claiming", "locked-candidates", "Locked candidates (claiming)", 2, 6, claiming, describeLocked, readsLocked},
    {"naked-pair", "naked-pair", "Naked pair", 2, 8, nakedPair, describeNaked, readsNaked},
    {"hidden-pair", "hidden-pair", "Hidden pair", 2, 10, hiddenPair, describeHidden, readsHidden},
    {"naked-triple", "naked-triple", "Naked triple", 2, 12, nakedTriple, describeNaked, readsNaked},
    {"hidden-triple", "hidden-triple", "Hidden triple", 2, 14, hiddenTriple, describeHidden, readsHidden},
    {"x-wing", "x-wing", "X-Wing", 3, 20, xWing, describeFish, readsFish},
    {"skyscraper", "skyscraper", "Skyscraper", 3, 21, skyscraper, describeTurbot, readsTurbot},
    {"two-string-kite", "two-string-kite", "2-String Kite", 3, 21, twoStringKite, describeTurbot, readsTurbot},
    {"xy-wing", "xy-wing", "XY-Wing", 3, 22, xyWing, describeXYWing, readsWing},
    {"w-wing", "w-wing", "W-Wing", 3, 23, wWing, describeWWing, readsWWing},
    {"xyz-wing", "xyz-wing", "XYZ-Wing", 3, 24, xyzWing, describeXYZWing, readsWing},
    {"naked-quad", "naked-quad", "Naked quad", 3, 25, nakedQuad, describeNaked, readsNaked},
    {"hidden-quad", "hidden-quad", "Hidden quad", 3, 26, hiddenQuad, describeHidden, readsHidden},
    {"swordfish", "swordfish", "Swordfish", 3, 27, swordfish, describeFish, readsFish},
    {"simple-colouring", "simple-colouring", "Simple colouring", 3, 28, simpleColouring, describeColouring, readsColouring},
    {"unique-rectangle", "unique-rectangle", "Unique rectangle", 3, 30, uniqueRectangle, describeRectangle, readsRectangle},
    {"bug+1", "bug-plus-one", "BUG+1", 3, 30, bugPlusOne, describeBugPlusOne, readsEverything},
    {"jellyfish", "jellyfish", "Jellyfish", 3, 32, jellyfish, describeFish, readsFish},
    {"x-cycle", "x-cycle", "X-Cycle", 4, 40, xCycle, describeChain, readsChain},
    {"xy-chain", "xy-chain", "XY-Chain", 4, 45, xyChain, describeChain, readsChain},
    {"3d-medusa", "3d-medusa", "3D Medusa", 4, 50, medusa3D, describeMedusa, readsMedusa},
    {"aic", "aic", "Alternating inference chain", 4, 55, alternatingChain, describeChain, readsChain},
    {"grouped-aic", "grouped-aic", "Grouped alternating inference chain", 4, 60, groupedChain, describeChain, readsChain},
}};

} // namespace

const TechniqueInfo &info(Technique t) { return kInfo[static_cast<std::size_t>(t)]; }

QString techniqueName(Technique t) { return QString::fromLatin1(info(t).name); }

} // namespace grader
