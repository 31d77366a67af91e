#include "presentation/TextureManager.h"

#include "core/LogFile.h"
#include "presentation/FontManager.h"
#include "presentation/VideoManager.h"

#include <SDL_opengl.h>

TextureManager::TextureManager() {
    if (!VideoManager::getSingletonPtr())
        throw myexception("no video manager.");
    // SDL surfaces run top to bottom; flipping t here lets every quad use y-up coordinates.
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glScalef(1.0f, -1.0f, 1.0f);
    glTranslatef(0.0f, -1.0f, 0.0f);
    glMatrixMode(GL_MODELVIEW);
    VideoManager::writeLog("Initialized texture manager.", LogFile::Important, true);
}

TextureManager::~TextureManager() {
    // The FontManager's textures live here, so it goes first once it exists.
    delete FontManager::getSingletonPtr();
    unloadAll();
    VideoManager::writeLog("Texture manager shut down.", LogFile::Important, true);
}

TexturePtr TextureManager::getTexture(const std::string& name) {
    return boost::static_pointer_cast<Texture>(create(name));
}

TexturePtr TextureManager::getTexture(const std::string& name, ManualResourceLoader* loader) {
    return boost::static_pointer_cast<Texture>(create(name, loader));
}

Resource* TextureManager::createImpl(const std::string& name, ResourceHandle handle,
                                     ManualResourceLoader* loader) {
    return new Texture(name, handle, loader);
}
