#include "pages/key_definition_page.h"

#include "bridge/device_bridge.h"

namespace {

constexpr qsizetype fileSuffixLength = 4; // ".bin"

} // namespace

KeyDefinitionPage::KeyDefinitionPage(MacroLibrary library) : library(std::move(library)) {}

// A position the profile holds no code for keeps the code it had.
void KeyDefinitionPage::load(DeviceBridge& bridge) {
    for (int n = 0; n < KeyCodes::positions; ++n) {
        const QVariantList stored = bridge.getKeydefine(n);
        if (stored.size() >= 4)
            codes[n] = KeyCodes::fromList(stored);
    }
}

QStringList KeyDefinitionPage::macroNames() const {
    QStringList names = library.fileNames();
    for (QString& name : names)
        name.chop(fileSuffixLength);
    return names;
}

void KeyDefinitionPage::assign(int matrix, const KeyCode& code) {
    releaseMacroSlot(matrix);
    codes[matrix] = code;
}

void KeyDefinitionPage::releaseMacroSlot(int matrix) {
    if (codes[matrix][0] != KeyCodes::macroKind)
        return;
    codes[matrix] = {};
    refreshMacroIndex();
}

// Every macro whose slot no key runs any more gives its slot up.
void KeyDefinitionPage::refreshMacroIndex() {
    const QList<int> used = usedMacroSlots();
    for (const QString& name : macroNames()) {
        const std::optional<MacroConfig> config = library.config(name);
        if (config && !used.contains(config->index))
            library.setConfig(name, -1, 1);
    }
}

QList<int> KeyDefinitionPage::usedMacroSlots() const {
    QList<int> used;
    for (const KeyCode& code : codes) {
        const int slot = KeyCodes::macroSlot(code);
        if (slot >= 0 && !used.contains(slot))
            used.append(slot);
    }
    return used;
}

// A slot that another macro of the library still claims is not free either: giving it away
// would let that macro's next save overwrite the new one in the keyboard.
std::optional<int> KeyDefinitionPage::lowestFreeSlot(const QString& forMacro,
                                                     int ignoredKey) const {
    QList<int> taken;
    for (int n = 0; n < KeyCodes::positions; ++n) {
        const int slot = KeyCodes::macroSlot(codes[n]);
        if (n != ignoredKey && slot >= 0)
            taken.append(slot);
    }
    for (const QString& name : macroNames()) {
        const std::optional<MacroConfig> config = library.config(name);
        if (name != forMacro && config && config->index >= 0)
            taken.append(config->index);
    }
    for (int slot = 0; slot < KeyCodes::macroSlots; ++slot) {
        if (!taken.contains(slot))
            return slot;
    }
    return std::nullopt;
}

bool KeyDefinitionPage::canChooseMacro(int matrix, const QString& name) const {
    const std::optional<MacroConfig> config = library.config(name);
    return config && (config->index >= 0 || lowestFreeSlot(name, matrix));
}

KeyDefinitionPage::MacroChoice KeyDefinitionPage::chooseMacro(int matrix, const QString& name,
                                                              DeviceBridge& bridge) {
    assign(matrix, {});
    const std::optional<MacroConfig> config = library.config(name);
    if (!config)
        return MacroChoice::Missing;
    if (config->index >= 0) {
        codes[matrix] = KeyCodes::macro(config->repeat, config->index);
        return MacroChoice::Assigned;
    }
    const std::optional<int> slot = lowestFreeSlot(name);
    if (!slot)
        return MacroChoice::NoFreeSlot;
    library.setConfig(name, *slot, 1);
    bridge.ui_11H_SetMacroKey(*slot, name);
    codes[matrix] = KeyCodes::macro(1, *slot);
    return MacroChoice::Loaded;
}

void KeyDefinitionPage::apply(DeviceBridge& bridge) const {
    QVariantList matrix;
    matrix.reserve(KeyCodes::matrixValues);
    for (const KeyCode& code : codes) {
        for (const unsigned char byte : code)
            matrix.append(int(byte));
    }
    while (matrix.size() < KeyCodes::matrixValues)
        matrix.append(0);
    bridge.ui_0DH_SetKeyMatrix(matrix);
}
