#pragma once

// The lenticular brackets of the scene's texts come from a small font of the tool's own. Without
// it, a text in Arial with a bracket sends the font fallback to a CJK font of megabytes, which
// costs start-up time and memory; with it, that font is only read for texts in Chinese.
class SymbolFont {
public:
    // Registers the font and places it right after Liberation Sans, the font Arial resolves to, in
    // the font fallback. Needs the application object; call it before the first text is laid out.
    // Should it fail, the texts look the same through the system's fallback.
    static void install();
};
