#include "presentation/FontManager.h"

#include "core/LogFile.h"
#include "presentation/TextureManager.h"
#include "presentation/VideoManager.h"

#include <SDL_ttf.h>

FontManager::FontManager() {
    if (!TextureManager::getSingletonPtr())
        throw myexception("no texture manager.");
    if (!TTF_WasInit()) {
        if (TTF_Init() < 0)
            throw myexception(SDL_GetError());
        startedTrueType = true;
    }
    for (unsigned code = 0; code < characterMap.size(); ++code)
        characterMap[code] = static_cast<std::uint8_t>(code);
    VideoManager::writeLog("Initialized font manager.", LogFile::Important, true);
}

FontManager::~FontManager() {
    // Every font must be closed while SDL_ttf is still up.
    unloadAll();
    if (startedTrueType)
        TTF_Quit();
    VideoManager::writeLog("Font manager shut down.", LogFile::Important, true);
}

FontPtr FontManager::getFont(const std::string& path) {
    return boost::static_pointer_cast<Font>(create(path));
}

Resource* FontManager::createImpl(const std::string& name, ResourceHandle handle,
                                  ManualResourceLoader* loader) {
    return new Font(name, handle, loader);
}
