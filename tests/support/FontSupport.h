#pragma once

#include "presentation/Texture.h"
#include "support/GlContext.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class FontManager;

// The game's own font, as committed under data/.
std::string gameFontPath();

// A GL texture's level-0 image as RGBA rows, top row of the image first (the order the loaders
// upload in).
struct TextureImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    // Sum of alpha over the rectangle [x0, x1) x [y0, y1), clipped to the image.
    long alphaSum(int x0, int y0, int x1, int y1) const;
};
TextureImage readTexture(const Texture& texture);

// Runs the call and returns the myexception text it raised; fails the test when it raised none.
std::string thrownMessage(const std::function<void()>& call);

// A window, the TextureManager and the FontManager, made as the game makes them; the
// VideoManager's destruction at the end of each test takes the other two with it.
class FontContextTest : public GlContextTest {
protected:
    void SetUp() override;
    FontManager& fonts();
};
