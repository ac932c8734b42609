#include "scenes/GreetsScene.h"

#include <array>
#include <cmath>
#include <vector>

#include "tests/support/SceneFixture.h"

namespace {

class GreetsSceneTest : public SceneFixture<GreetsScene> {
protected:
    // Replaces the picture of a layer's texture with a square RGBA one.
    void replacePicture(int layer, int size, const std::vector<uint8_t>& rgba) {
        glBindTexture(GL_TEXTURE_2D, registry.glNameOf(layerTextureIds[layer]));
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, size, size, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        registry.resetLastBound();
    }

    // Gives every layer a flat grey picture, so that what a layer adds to the frame shows its
    // opacity directly.
    void paintLayers(const std::array<uint8_t, GreetsScene::layerCount>& levels) {
        for (int layer = 0; layer < GreetsScene::layerCount; ++layer)
            replacePicture(layer, 1, {levels[layer], levels[layer], levels[layer], 255});
    }

    // The red channel at a point of the frame, as a share of full brightness.
    float brightnessAt(int x, int y) const { return frame().at(x, y)[0] / 255.0f; }

    float centreAt(int32_t t) { return render(t).at(320, 240)[0] / 255.0f; }

    static constexpr int layerTextureIds[GreetsScene::layerCount] = {
        GreetsScene::paintingTextureId, GreetsScene::greetingsTextureId, GreetsScene::endCardTextureId};
};

TEST_F(GreetsSceneTest, InitNamesTheSceneAndRequestsThreeOpaquePicturesOnAFlatSheet) {
    EXPECT_STREQ(scene.name, "Greets & Stuff");
    std::vector<int> ids;
    for (const PtrNode* node = registry.entries.head; node != nullptr; node = node->next) {
        const auto* entry = static_cast<const TextureEntry*>(node->data);
        ids.push_back(entry->resourceId);
        EXPECT_EQ(entry->flags, 0);
    }
    EXPECT_EQ(ids, (std::vector<int>{138, 139, 141}));
    for (const auto& row : GreetsScene::data.grid)
        for (const Vec3& v : row) EXPECT_EQ(v.z, 0.0f);

    scene.name[0] = '\0';
    EXPECT_TRUE(scene.init(2));
    EXPECT_STREQ(scene.name, "Greets & Stuff");
    EXPECT_EQ(registry.entries.count, 3);
}

TEST_F(GreetsSceneTest, TheWaveGridIsASheetFromMinusFiveToFourWavingUpToKSquared) {
    GreetsScene::buildWaveGrid(0, 0, 2);
    const auto& grid = GreetsScene::data.grid;
    for (int r = 0; r < GreetsScene::gridSize; ++r)
        for (int j = 0; j < GreetsScene::gridSize; ++j) {
            EXPECT_NEAR(grid[r][j].x, j - 5, 1e-6);
            EXPECT_NEAR(grid[r][j].y, r - 5, 1e-6);
        }
    for (const Vec3& v : grid[0]) EXPECT_EQ(v.z, 0.0f);  // sine argument 0 along row 0
    EXPECT_EQ(grid[5][0].z, 4.0f);                      // the crest: sine and cosine at 1
    EXPECT_NEAR(grid[9][4].z, 4 * std::sin(0.9 * M_PI) * std::cos(0.4 * M_PI), 1e-5);

    // The phases move the wave: a = 128 puts the crest on row 0, b = 64 turns the columns by pi / 4.
    GreetsScene::buildWaveGrid(128, 64, 1);
    EXPECT_NEAR(grid[0][9].z, std::cos(0.25 * M_PI + 0.9 * M_PI), 1e-5);

    GreetsScene::buildWaveGrid(37, 11, 0);
    for (const auto& row : grid)
        for (const Vec3& v : row) EXPECT_EQ(v.z, 0.0f);
}

// Each layer in turn gets a white picture and the others black ones; the middle of the frame,
// cleared to black, then shows that layer's opacity.
TEST_F(GreetsSceneTest, ThePaintingFadesInThenTheListThenTheEndCardTakesOver) {
    struct Expected {
        int32_t t;
        float opacity[GreetsScene::layerCount];  // painting, list, end card
    };
    const Expected table[] = {{0, {0, 0, 0}},        {1000, {0.5f, 0, 0}}, {2000, {1, 0, 0}},
                              {3000, {1, 0.5f, 0}},  {4000, {1, 1, 0}},    {10000, {1, 1, 0}},
                              {11000, {1, 0.5f, 0.5f}}, {12000, {1, 0, 1}}, {21000, {1, 0, 1}}};
    for (int layer = 0; layer < GreetsScene::layerCount; ++layer) {
        std::array<uint8_t, GreetsScene::layerCount> levels = {0, 0, 0};
        levels[layer] = 255;
        paintLayers(levels);
        for (const Expected& e : table) {
            EXPECT_NEAR(GreetsScene::opacitiesAt(e.t)[layer], e.opacity[layer], 1e-6) << "layer " << layer << " at " << e.t;
            EXPECT_NEAR(centreAt(e.t), e.opacity[layer], 1.5f / 255) << "layer " << layer << " at " << e.t;
        }
    }
}

TEST_F(GreetsSceneTest, TheBackdropKeepsNineTenthsOfTheClearedFrameAndThePaintingCoversIt) {
    glClearColor(1, 1, 1, 1);  // as a scene before it may have left the clear colour
    paintLayers({0, 0, 0});
    EXPECT_NEAR(centreAt(0), 0.9f, 1.5f / 255);
    EXPECT_NEAR(brightnessAt(2, 2), 0.9f, 1.5f / 255);  // outside the sheet
    EXPECT_NEAR(centreAt(1000), 0.45f, 1.5f / 255);     // half of it under the half-faded painting
    EXPECT_NEAR(centreAt(5000), 0.0f, 1.5f / 255);
    EXPECT_NEAR(brightnessAt(2, 2), 0.9f, 1.5f / 255);
}

// The painting is replaced by one with four coloured quarters: each must show in the same quarter
// of the frame, so the picture is upright and not mirrored.
TEST_F(GreetsSceneTest, ThePictureIsMappedUprightOntoTheSheet) {
    constexpr int size = 8;
    std::vector<uint8_t> quarters(size * size * 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            uint8_t* texel = &quarters[(y * size + x) * 4];
            texel[0] = x < size / 2 ? 255 : 0;  // red on the left
            texel[1] = y < size / 2 ? 255 : 0;  // green in the bottom row
            texel[3] = 255;
        }
    paintLayers({0, 0, 0});
    replacePicture(0, size, quarters);

    const probe::Pixels frame = render(6000);
    const auto rgAt = [&](int x, int y) { return std::vector<int>{frame.at(x, y)[0] > 128, frame.at(x, y)[1] > 128}; };
    EXPECT_EQ(rgAt(220, 140), (std::vector<int>{1, 1}));  // bottom left
    EXPECT_EQ(rgAt(420, 140), (std::vector<int>{0, 1}));  // bottom right
    EXPECT_EQ(rgAt(220, 340), (std::vector<int>{1, 0}));  // top left
    EXPECT_EQ(rgAt(420, 340), (std::vector<int>{0, 0}));  // top right
}

TEST_F(GreetsSceneTest, ItDrawsWithoutDepthTestOrLightingAndRestoresBothMatrices) {
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(1, 2, 3);
    const std::vector<float> projection = probe::floats(GL_PROJECTION_MATRIX);
    const std::vector<float> modelview = probe::floats(GL_MODELVIEW_MATRIX);
    enableCap(GL_DEPTH_TEST);
    enableCap(GL_LIGHTING);
    scene.render(5000);

    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_EQ(probe::floats(GL_PROJECTION_MATRIX), projection);
    EXPECT_EQ(probe::floats(GL_MODELVIEW_MATRIX), modelview);
    EXPECT_EQ(probe::integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(probe::integer(GL_PROJECTION_STACK_DEPTH), 1);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
}

}  // namespace
