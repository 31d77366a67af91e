#include "presentation/Font.h"

#include "core/LogFile.h"
#include "physics/AxisAlignedBox.h"
#include "presentation/FontManager.h"
#include "presentation/TextureManager.h"
#include "presentation/VideoManager.h"

#include <SDL_opengl.h>
#include <SDL_ttf.h>

#include <algorithm>

namespace {
const char* const noFontManager = "FontManager is null, cannot create Font.";
const SDL_Color white = {255, 255, 255, 0};
constexpr int sheetColumns = 16;
constexpr int sheetRows = 8;

int nextPowerOfTwo(int value) {
    int power = 1;
    while (power < value)
        power <<= 1;
    return power;
}

// Byte order R, G, B, A in memory on the machines we build for, as glTexImage2D reads it.
SDL_Surface* createRgbaSurface(int width, int height) {
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0x000000FF,
                                                0x0000FF00, 0x00FF0000, 0xFF000000);
    if (surface)
        SDL_FillRect(surface, nullptr, 0);
    return surface;
}

// With per-surface alpha blending off, SDL copies the source's alpha instead of blending it
// away, which is what keeps the glyph edges smooth in the texture.
void copyWithAlpha(SDL_Surface* source, SDL_Surface* target, int x, int y) {
    SDL_SetAlpha(source, 0, 255);
    SDL_Rect where;
    where.x = static_cast<Sint16>(x);
    where.y = static_cast<Sint16>(y);
    where.w = 0;
    where.h = 0;
    SDL_UpperBlit(source, nullptr, target, &where);
}

void uploadToBoundTexture(SDL_Surface* surface) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, surface->w, surface->h, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 surface->pixels);
}
} // namespace

Font::Font(const std::string& name, ResourceHandle handle, ManualResourceLoader* loader)
    : Resource(name, handle, loader) {}

Font::~Font() {
    unload();
}

bool Font::hasOpenFile() const {
    return !loadFailed() && trueTypeFont;
}

bool Font::isUsable() const {
    return getState() == Loaded && hasOpenFile();
}

void Font::loadImpl() {
    if (!FontManager::getSingletonPtr()) {
        setLoadFailed(true);
        throw myexception(noFontManager);
    }
    if (getName().empty())
        return;
    setLoadFailed(false);
    trueTypeFont = TTF_OpenFont(getName().c_str(), pointSize);
    if (!trueTypeFont) {
        VideoManager::writeLog("Error loading font " + getName() + ": " + SDL_GetError(),
                               LogFile::Important, true);
        setLoadFailed(true);
    }
    glyphSheet = TextureManager::getSingleton().getTexture(getName() + "FontSheet",
                                                           new TextureMapLoader(*this));
    // A sheet that stayed loaded while this font was unloaded (someone still draws with it)
    // must be built again, or the glyph table would stay cleared.
    if (glyphSheet->getState() == Loaded)
        glyphSheet->reload();
    else
        glyphSheet->load();
}

void Font::unloadImpl() {
    // Without the manager SDL_ttf is already shut down and the font died with it.
    if (FontManager::getSingletonPtr()) {
        glyphTable = GlyphTable{};
        cellAspect = 0.0;
        if (trueTypeFont)
            TTF_CloseFont(trueTypeFont);
        glyphSheet.reset();
    }
    trueTypeFont = nullptr;
}

Vector2 Font::getTextAspect(const std::string& text) const {
    int width = 0;
    int height = 0;
    if (!isUsable() || TTF_SizeText(trueTypeFont, text.c_str(), &width, &height) != 0 ||
        height <= 0)
        return Vector2(0, 0);
    return Vector2(static_cast<double>(width) / height, 1);
}

TexturePtr Font::getStringTexture(const std::string& text, Vector2* aspect,
                                  AxisAlignedBox* textureArea) {
    if (aspect)
        *aspect = Vector2(0, 0);
    if (textureArea)
        *textureArea = AxisAlignedBox(Vector2(0, 0), Vector2(0, 0));
    if (!isUsable())
        return TexturePtr();
    if (!FontManager::getSingletonPtr())
        throw myexception(noFontManager);
    if (aspect || textureArea) {
        int width = 0;
        int height = 0;
        if (TTF_SizeText(trueTypeFont, text.c_str(), &width, &height) == 0 && width > 0 &&
            height > 0) {
            if (aspect)
                *aspect = Vector2(static_cast<double>(width) / height, 1);
            if (textureArea)
                textureArea->max = Vector2(static_cast<double>(width) / nextPowerOfTwo(width),
                                           static_cast<double>(height) / nextPowerOfTwo(height));
        }
    }
    return TextureManager::getSingleton().getTexture("FontTexture-" + getName() + "-" + text,
                                                     new StringLoader(*this, text));
}

boost::shared_ptr<Font> Font::find(ResourceHandle handle, const std::string& name) {
    FontManager* fonts = FontManager::getSingletonPtr();
    if (!fonts)
        return FontPtr();
    ResourcePtr found = fonts->getByHandle(handle);
    // Handles are reused once a font is dropped; the name tells whether it is still ours.
    if (!found || found->getName() != name)
        return FontPtr();
    return boost::static_pointer_cast<Font>(found);
}

bool Font::buildGlyphSheet() {
    int cellHeight = TTF_FontHeight(trueTypeFont);
    int cellWidth = 0;
    for (unsigned code = 0; code < glyphCount; ++code) {
        int minX, maxX, minY, maxY, advance;
        if (TTF_GlyphMetrics(trueTypeFont, static_cast<Uint16>(code), &minX, &maxX, &minY, &maxY,
                             &advance) == 0)
            cellWidth = std::max(cellWidth, advance);
    }
    if (cellWidth <= 0 || cellHeight <= 0)
        return false;
    int ascent = TTF_FontAscent(trueTypeFont);
    int sheetWidth = nextPowerOfTwo(sheetColumns * cellWidth);
    int sheetHeight = nextPowerOfTwo(sheetRows * cellHeight);
    SDL_Surface* sheet = createRgbaSurface(sheetWidth, sheetHeight);
    if (!sheet)
        return false;

    for (unsigned code = 0; code < glyphCount; ++code) {
        int column = code % sheetColumns;
        int row = code / sheetColumns;
        int minX, maxX, minY, maxY, advance;
        if (TTF_GlyphMetrics(trueTypeFont, static_cast<Uint16>(code), &minX, &maxX, &minY, &maxY,
                             &advance) != 0)
            continue;
        SDL_Surface* glyph =
            TTF_RenderGlyph_Blended(trueTypeFont, static_cast<Uint16>(code), white);
        if (!glyph)
            continue;
        copyWithAlpha(glyph, sheet, column * cellWidth, row * cellHeight - maxY + ascent);
        SDL_FreeSurface(glyph);

        double left = static_cast<double>(column * cellWidth) / sheetWidth;
        double right = left + static_cast<double>(cellWidth) / sheetWidth;
        double top = static_cast<double>(sheetHeight - row * cellHeight) / sheetHeight;
        double bottom = top - static_cast<double>(cellHeight) / sheetHeight;
        glyphTable[code] = {left, bottom, left, top, right, top, right, bottom};
    }
    cellAspect = static_cast<double>(cellWidth) / cellHeight;
    uploadToBoundTexture(sheet);
    SDL_FreeSurface(sheet);
    return true;
}

Font::TextureMapLoader::TextureMapLoader(const Font& font)
    : fontHandle(font.getHandle()), fontName(font.getName()) {}

void Font::TextureMapLoader::loadResource(Resource* resource) {
    FontPtr font = find(fontHandle, fontName);
    if (font)
        font->load();
    // A sheet left without an image is a blank texture like any other, and flagged as one.
    if (!font || !font->hasOpenFile() || !font->buildGlyphSheet())
        resource->setLoadFailed(true);
}

Font::StringLoader::StringLoader(const Font& font, const std::string& text)
    : fontHandle(font.getHandle()), fontName(font.getName()), text(text) {}

void Font::StringLoader::loadResource(Resource* resource) {
    FontPtr font = find(fontHandle, fontName);
    if (font)
        font->load();
    if (!font || !font->hasOpenFile()) {
        resource->setLoadFailed(true);
        return;
    }
    SDL_Surface* rendered = TTF_RenderText_Blended(font->trueTypeFont, text.c_str(), white);
    if (!rendered) {
        resource->setLoadFailed(true);
        return;
    }
    SDL_Surface* image =
        createRgbaSurface(nextPowerOfTwo(rendered->w), nextPowerOfTwo(rendered->h));
    if (image) {
        copyWithAlpha(rendered, image, 0, 0);
        uploadToBoundTexture(image);
        SDL_FreeSurface(image);
    } else {
        resource->setLoadFailed(true);
    }
    SDL_FreeSurface(rendered);
}
