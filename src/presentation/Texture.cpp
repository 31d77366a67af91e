#include "presentation/Texture.h"

#include "core/LogFile.h"
#include "presentation/VideoManager.h"

#include <SDL_image.h>
#include <SDL_opengl.h>

#include <cstddef>

namespace {
bool isPowerOfTwo(int value) {
    return (value & (value - 1)) == 0;
}

// For a 32-bit surface: whether no pixel lets anything through.
bool everyPixelOpaque(SDL_Surface* image) {
    Uint32 alphaMask = image->format->Amask;
    if (alphaMask == 0)
        return true;
    bool opaque = true;
    SDL_LockSurface(image);
    for (int row = 0; row < image->h && opaque; ++row) {
        const auto* pixels =
            reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(image->pixels) +
                                            static_cast<std::size_t>(row) * image->pitch);
        for (int column = 0; column < image->w && opaque; ++column)
            opaque = (pixels[column] & alphaMask) == alphaMask;
    }
    SDL_UnlockSurface(image);
    return opaque;
}
} // namespace

Texture::Texture(const std::string& name, ResourceHandle handle, ManualResourceLoader* loader)
    : Resource(name, handle, loader) {}

Texture::~Texture() {
    unload();
}

void Texture::setRepeat(bool value) {
    if (!value || repeat)
        return;
    repeat = true;
    if (getState() == Loaded) {
        glBindTexture(GL_TEXTURE_2D, textureName);
        applyWrapMode();
    }
}

void Texture::loadImpl() {
    if (getName().empty())
        return;
    // A reload that works again is no longer a fallback.
    setLoadFailed(false);
    opaqueImage = false;
    GLuint generated = 0;
    glGenTextures(1, &generated);
    textureName = generated;
    glBindTexture(GL_TEXTURE_2D, textureName);
    if (getLoader())
        getLoader()->loadResource(this);
    else
        loadImageFile();
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    applyWrapMode();
}

void Texture::loadImageFile() {
    const std::string& name = getName();
    SDL_Surface* image = IMG_Load(name.c_str());
    if (!image) {
        VideoManager::writeLog("Error attempting to load texture " + name +
                                   "; using blank texture.",
                               LogFile::Important, true);
        setLoadFailed(true);
        return;
    }
    int bitsPerPixel = image->format->BitsPerPixel;
    if (isPowerOfTwo(image->w) && isPowerOfTwo(image->h)) {
        if (bitsPerPixel == 32) {
            glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image->w, image->h, 0, GL_RGBA,
                         GL_UNSIGNED_BYTE, image->pixels);
            opaqueImage = everyPixelOpaque(image);
        } else {
            VideoManager::writeLog("Warning: texture " + name +
                                       "was not of bitdepth 32, aborting load",
                                   LogFile::Information, false);
            setLoadFailed(true);
        }
    } else {
        VideoManager::writeLog("Warning: invalid image format for texture " + name +
                                   ": bpp: " + std::to_string(bitsPerPixel) +
                                   " width: " + std::to_string(image->w) +
                                   " height: " + std::to_string(image->h) + ".",
                               LogFile::Important, true);
        setLoadFailed(true);
    }
    SDL_FreeSurface(image);
}

void Texture::applyWrapMode() {
    GLint wrap = repeat ? GL_REPEAT : GL_CLAMP;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
}

void Texture::unloadImpl() {
    if (textureName != 0) {
        GLuint name = textureName;
        glDeleteTextures(1, &name);
        textureName = 0;
    }
}
