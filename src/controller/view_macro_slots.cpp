// The controller's macro slots: the macro library and the encoder.
#include "controller/myqquickview.h"
#include "macros/macro_encoder.h"
#include "macros/macro_library.h"

QVariant myQQuickView::createMacroIni() {
    return MacroLibrary().create();
}

QVariant myQQuickView::deleteMacroIni(QVariant name) {
    return MacroLibrary().remove(name.toString());
}

QStringList myQQuickView::getMacroIniNames() {
    return MacroLibrary().fileNames();
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros) {
    const MacroLibrary library;
    if (!library.saveLines(name.toString(), macros))
        return false;
    // The keyboard's copy follows every edit of a macro that owns a slot.
    const std::optional<MacroConfig> config = library.config(name.toString());
    if (config && config->index >= 0)
        ui_11H_SetMacroKey(config->index, name);
    return true;
}

QStringList myQQuickView::loadMacroIni(QVariant name) {
    return MacroLibrary().lines(name.toString());
}

QVariantList myQQuickView::loadMacroIniConfig(QVariant name) {
    const std::optional<MacroConfig> config = MacroLibrary().config(name.toString());
    if (!config)
        return {};
    return {config->index, config->repeat};
}

void myQQuickView::setMacroIniConfig(QVariant name, QVariantList config) {
    // The scene always passes [index, repeat]; anything shorter is not a configuration.
    if (config.size() < 2)
        return;
    MacroLibrary().setConfig(name.toString(), config[0], config[1]);
}

QList<uchar> myQQuickView::macroIncode(QStringList macros) {
    return encodeMacroLines(macros);
}
