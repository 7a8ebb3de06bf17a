#pragma once

#include "macros/macro_library.h"
#include "pages/key_code.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

class DeviceBridge;

// The key definition page's key table and its rules, for callers without the scene: load() reads
// the current profile as the page does when it is shown, the operations change one key as the
// page's menus do (freeing a macro slot that no key uses any more, giving a macro the lowest free
// slot), and apply() sends the whole table as the page's apply button does.
class KeyDefinitionPage {
public:
    enum class MacroChoice {
        // The key runs the macro from the slot it already had.
        Assigned,
        // The macro got a free slot and was sent there.
        Loaded,
        // All slots are taken: the key is left without function and nothing is sent.
        NoFreeSlot,
        // The macro is not in the library.
        Missing,
    };

    explicit KeyDefinitionPage(MacroLibrary library = MacroLibrary());

    void load(DeviceBridge& bridge);
    KeyCode code(int matrix) const { return codes[std::size_t(matrix)]; }

    // Gives the key a code of any other kind (a key, a combination, a media function, its
    // factory code or none), freeing its macro slot first when it ran a macro.
    void assign(int matrix, const KeyCode& code);
    MacroChoice chooseMacro(int matrix, const QString& name, DeviceBridge& bridge);
    // Whether chooseMacro would give the key the macro (a slot is there or can be found).
    bool canChooseMacro(int matrix, const QString& name) const;
    void apply(DeviceBridge& bridge) const;

    // The slots that keys of this table run.
    QList<int> usedMacroSlots() const;
    std::optional<int> lowestFreeSlot(const QString& forMacro, int ignoredKey = -1) const;
    // The macros of the library by name, in the library's order.
    QStringList macroNames() const;

private:
    void releaseMacroSlot(int matrix);
    void refreshMacroIndex();

    MacroLibrary library;
    std::array<KeyCode, KeyCodes::positions> codes{};
};
