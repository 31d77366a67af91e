#include "presentation/TextDisplay.h"

#include "core/ParamList.h"
#include "presentation/FontManager.h"

double TextDisplay::leftEdgeFor(int alignment, double width) {
    if (alignment == Center)
        return -width / 2;
    if (alignment == Right)
        return -width;
    return 0.0;
}

TextDisplay::Settings TextDisplay::Settings::fromParams(const ParamList& params,
                                                        const std::string& context) {
    Settings settings;
    params.getRequired("font", settings.fontPath, context);
    params.getRequired("textSize", settings.textSize, context);
    params.getRequired("zOrder", settings.zOrder, context);
    params.get("text", settings.text);
    const std::string& alignment = params.getText("alignment");
    if (alignment == "Left")
        settings.alignment = Left;
    else if (alignment == "Right")
        settings.alignment = Right;
    params.get("color", settings.colour);
    return settings;
}

FontPtr TextDisplay::loadFont(const std::string& path) {
    if (path.empty())
        return FontPtr();
    FontPtr font = FontManager::getSingleton().getFont(path);
    if (font)
        font->load();
    return font;
}
