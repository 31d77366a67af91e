#pragma once

#include "presentation/Colour.h"
#include "presentation/Font.h"

#include <string>

class ParamList;

// What the score, timer and menu code may do with a text display, whichever way
// it draws.
class TextDisplay {
public:
    enum Alignment { Left = 0, Center = 1, Right = 2 };

    virtual ~TextDisplay() = default;

    virtual void setText(const std::string& text) = 0;
    virtual const std::string& getText() const = 0;
    // The current text followed by more.
    virtual void appendText(const std::string& more) { setText(getText() + more); }
    // Where the entity's origin sits on the text: its left end, its middle or its
    // right end. Values other than Left, Center and Right are ignored.
    virtual void setAlignment(int alignment) = 0;
    virtual int getAlignment() const = 0;
    // Height of the text in world units.
    virtual void setTextSize(double size) = 0;
    virtual double getTextSize() const = 0;

    static bool isAlignment(int value) { return value >= Left && value <= Right; }
    // How far the left end of a text of this width lies from the entity's origin.
    static double leftEdgeFor(int alignment, double width);

protected:
    // The parameters both displays share. "font", "textSize" and "zOrder" are
    // required (the usual missing and unconvertible parameter errors, after the
    // context); "text" defaults to empty, "alignment" to "Center" (other words
    // keep it), "color" to white.
    struct Settings {
        std::string fontPath;
        double textSize = 0.0;
        double zOrder = 0.0;
        std::string text;
        int alignment = Center;
        Colour colour;

        static Settings fromParams(const ParamList& params, const std::string& context);
    };

    // The font at path, loaded; empty for an empty path. Raises the singleton
    // message when a font is asked for and there is no FontManager.
    static FontPtr loadFont(const std::string& path);
};
