// Each drawing rendered with real OpenGL 1.1 and with the fixed-function layer on the same
// machine must give the same pixels, up to rounding: lighting is computed per vertex in the
// layer's shader with the same formulas, but in another order of float operations than Mesa's
// fixed-function program. The specular highlight, a power of a value near 1, shows it most: up to
// 9 levels apart. Every pixel must stay within 12 levels, the tolerance of the golden frames.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/fixedgl/Drawings.h"
#include "tests/fixedgl/TwoContexts.h"

namespace {

constexpr int channelTolerance = 12;
constexpr int differingPixelsAllowed = 0;

// The parameter: batches or not, and the drawing's index in its list.
using Case = std::pair<bool, size_t>;
class LayerTest : public ::testing::TestWithParam<Case> {};

TEST_P(LayerTest, DrawsAsRealOpenGLDoes) {
    const auto [batches, index] = GetParam();
    const Drawing& real = (batches ? real::batchDrawings : real::drawings).at(index);
    const Drawing& layer = (batches ? layer::batchDrawings : layer::drawings).at(index);
    twocontexts::expectSamePicture(real.name, real.draw, layer.draw, channelTolerance, differingPixelsAllowed);
}

std::vector<Case> casesOf(bool batches) {
    std::vector<Case> cases;
    for (size_t i = 0; i < (batches ? real::batchDrawings : real::drawings).size(); ++i) cases.emplace_back(batches, i);
    return cases;
}

std::string nameOf(const ::testing::TestParamInfo<Case>& info) {
    std::string name = (info.param.first ? real::batchDrawings : real::drawings).at(info.param.second).name;
    for (char& c : name)
        if (c == '-') c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Drawings, LayerTest, ::testing::ValuesIn(casesOf(false)), nameOf);
INSTANTIATE_TEST_SUITE_P(Batches, LayerTest, ::testing::ValuesIn(casesOf(true)), nameOf);

}  // namespace
