pragma Singleton
import QtQml
import QtQuick

// What every document of the scene reads from outside itself: the native objects it calls and the
// look that the settings page chooses. The scene's root (main.qml) hands both in; documents read
// them here by name, so a rename is caught by the lint instead of failing at run time.
QtObject {
    // Off by default; QT_LOGGING_RULES="korvane.window.debug=true" tells when the window stands
    // still after a move of the scene: the opening has ended, a page has slid in.
    readonly property LoggingCategory windowLog: LoggingCategory {
        name: "korvane.window"
        defaultLogLevel: LoggingCategory.Info
    }

    // The controller whose slots the scene calls, and the window control (close and drag).
    property var ui_View: null
    property var ui_Ctl: null
    // The key names and codes of the keyboard model shown (a KeyCodeString), for the controls that
    // show or take a key.
    property var keyCodeString: null

    // The look: the values the settings page starts with, until the root hands in its choice.
    property int globalSetting_size: 11
    property color globalSetting_color: "#FF00FFFF"
    property color globalSetting_color_enable: "#FFAAAAAA"
    property color globalSetting_color_disable: "#80FFFFFF"
    property int animation_speed: 800
    // The interface texts built in: English, with the font family first.
    readonly property var builtInStrings: ["Arial", "OPTIONS", "LOOP", "SPEED", "BRIGHTNESS", "DIRECTION",
        "PAINTING", "EFFECTS", "USER DEFINE 1", "USER DEFINE 2", "USER DEFINE 3", "USER DEFINE 4",
        "USER DEFINE 5", "STATIC", "BREATHING", "WAVE", "INDUCTION DARKEN", "MARQUEE", "RIPPLE",
        "INDUCTION BRIGHTEN", "NEON", "MARQUEE COLORFUL", "RAINING", "MARQUEE CIRCLE", "SPOTLIGHT",
        "ROTATION", "SKIN", "SOUND", "ANIMATED", "LANGUAGE", "BACKGROUND", "ON", "OFF", "TEXT", "SIZE",
        "COLOR", "BRIGHTNESS", "NORMAL", "LARGER", "SKIN 1", "SKIN 2", "SKIN 3", "SKIN 4", "SKIN 5",
        "MACRO", "ACTION", "KEYBOARD", "MOUSE", "MEDIA", "COMBO KEY", "MACRO", "LEFT", "RIGHT", "MIDDLE",
        "B4", "B5", "NEXT TRACK", "PREVIOUS TRACK", "STOP", "PLAY / PAUSE", "MUTE", "VOLUME UP",
        "VOLUME DOWN", "MEDIA SELECT", "MAIL", "CALCULATOR", "MY COMPUTER", "WWW SEARCH", "WWW HOME",
        "WWW BACK", "WWW FORWARD", "WWW STOP", "WWW REFRESH", "WWW FAVORITES", "KEY", "MACRO", "COLOR",
        "RESET", "CANCEL", "GAMING MODE", "DELETE", "CUT", "PASTE", "COPY", "LOAD", "SAVE",
        "BACKLIGHTING", "RENDERING", "STATIC", "TWINKLING", "MARQUEE", "BREATHING", "COLOR"]
    property var globalSetting_stringList: builtInStrings
    property string globalSetting_fontFamily: "Arial"
    // Texts the scene added after the string list, by name, in English; a language file may
    // translate each of them (its "scene" section) without touching the checked list.
    readonly property var builtInSceneTexts: ({
        "askTitle": "NOT APPLIED YET",
        "askText": "Some changes have not been sent to the keyboard.\nApply them before going on?",
        "askApply": "APPLY",
        "askDiscard": "DISCARD",
        "askCancel": "CANCEL",
        "rulesOpen": "APP PROFILES",
        "rulesTitle": "PER-APPLICATION PROFILES",
        "rulesThrough": "While an application has the focus, the keyboard takes its profile. Following the focus through %1.",
        "rulesProblem": "The focus is not followed: %1",
        "rulesNoService": "The background service does not run, so no application is followed. Start it with korvane-service, or turn on “Start at login” in its tray menu.",
        "rulesDamaged": "The rules file was damaged and reads as no rules; a change here replaces it.",
        "rulesNotSaved": "The rules could not be saved; the file is kept as it was.",
        "rulesOn": "FOLLOWING: ON",
        "rulesOff": "FOLLOWING: OFF",
        "rulesDefault": "ANY OTHER APPLICATION:",
        "rulesLeave": "LEAVE AS IT IS",
        "rulesEmpty": "No rules yet: type an application id below, or pick one of those that had the focus lately.",
        "rulesHint": "application id or window class; * and ? match any",
        "rulesAdd": "ADD",
        "rulesRemove": "REMOVE",
        "rulesRecent": "LATELY FOCUSED:",
        "rulesClose": "CLOSE",
        "keysOpen": "KEYS IN OTHER WINDOWS",
        "keysTitle": "KEYS TYPED INTO OTHER WINDOWS",
        "keysWhat": "An optional udev rule lets every program you run read every key typed on the Z9, in any window and passwords included, so that the tool can record macros from keys typed into other windows too.",
        "keysActive": "The rule is in place (from its next start the tool hears the Z9's keys in every window). To remove it, run in a terminal:",
        "keysInactive": "The rule is not in place: the tool hears only the keys typed into its own window. To put it in place, run in a terminal:",
        "keysCopy": "COPY",
        // Names that a screen reader gives the controls that show a picture instead of a text.
        "settings": "SETTINGS",
        "close": "CLOSE",
        "manual": "USER MANUAL",
        "functions": "FUNCTIONS",
        "profiles": "PROFILES",
        "profile": "PROFILE",
        "apply": "APPLY",
        "add": "ADD",
        "record": "RECORD",
        "stop": "STOP",
        "addKey": "ADD THE KEY",
        "addDelay": "ADD THE DELAY",
        "delay": "DELAY IN MS",
        "keyCapture": "CAPTURE A KEY",
        "keyInput": "KEY",
        "keys": "KEYBOARD KEYS",
        "connected": "KEYBOARD CONNECTED: FIRMWARE",
        "notConnected": "NO KEYBOARD CONNECTED",
        "red": "RED",
        "green": "GREEN",
        "blue": "BLUE",
        "colorBand": "COLOR BAND",
        "right": "RIGHT",
        "left": "LEFT",
        "up": "UP",
        "down": "DOWN"
    })
    property var sceneTexts: builtInSceneTexts
    property int skin_No: 1
    property bool isCustomBackground: false
    property url sourceCustomBackground: ""

    // Skin images: files below the working directory, chosen by the skin number.
    readonly property string skinDir: "file:modules/img/skin" + skin_No + "/"
    property url sourceBackground: skinDir + "background.png"
    property url sourceFrameBackground: skinDir + "frame/frameBackground.png"
    property url sourceDecoration1: skinDir + "frame/decoration1.png"
    property url sourceDecoration2: skinDir + "frame/decoration2.png"
    property url sourceAS0: skinDir + "list_up/applicationSetting_0.png"
    property url sourceAS1: skinDir + "list_up/applicationSetting_1.png"
    property url sourceAM0: skinDir + "list_up/applicationMinimize_0.png"
    property url sourceAM1: skinDir + "list_up/applicationMinimize_1.png"
    property url sourceListUpContainer: skinDir + "list_up/listUpContainer.png"
    property url sourceListDnContainer: skinDir + "list_dn/listDnContainer.png"
    property url sourceListPfContainer: skinDir + "list_pf/listPfContainer.png"
    property url sourceFW0: skinDir + "list_pf/profileFW_0.png"
    property url sourceFW1: skinDir + "list_pf/profileFW_1.png"
    property url sourceSW0: skinDir + "list_pf/profileSW_0.png"
    property url sourceSW1: skinDir + "list_pf/profileSW_1.png"
    property url sourceListFnBtn_0: skinDir + "list_fn/listFnBtn_0.png"
    property url sourceListFnBtn_1: skinDir + "list_fn/listFnBtn_1.png"
    property url sourceGlobalsettingBackground: skinDir + "list_center/globalsettingBackground.png"
    property url sourceFnColorBackground: skinDir + "list_center/fnColorBackground.png"
    property url sourceFnKeydefineBackground: skinDir + "list_center/fnKeydefineBackground.png"
    property url sourceFnMacroBackground: skinDir + "list_center/fnMacroBackground.png"
    property url sourceFnCommonBackground: skinDir + "list_center/fnCommonBackground.png"
    property url sourceSlider: skinDir + "common/slider_BASE.png"
    property url sourceLine: skinDir + "common/draw_line.png"
    property url sourceFilelist: skinDir + "common/filelist_BASE.png"
    property url sourceInputValue: skinDir + "common/draw_inputValue.png"
    property url sourcePaletteIndex: skinDir + "common/draw_paletteIndex.png"
    property url sourceCHK0: skinDir + "common/checkbox_0.png"
    property url sourceCHK1: skinDir + "common/checkbox_1.png"
    property url sourcePalette: skinDir + "common/draw_palette.png"
    property url sourceReset0: skinDir + "common/reset_0.png"
    property url sourceReset1: skinDir + "common/reset_1.png"
    property url sourceApply0: skinDir + "common/apply_0.png"
    property url sourceApply1: skinDir + "common/apply_1.png"
    property url sourceFram2btn: skinDir + "common/fram_2btn.png"
    property url sourceAdd0: skinDir + "common/add_0.png"
    property url sourceAdd1: skinDir + "common/add_1.png"
    property url sourceDelete0: skinDir + "common/delete_0.png"
    property url sourceDelete1: skinDir + "common/delete_1.png"
    property url sourceRecord0: skinDir + "common/record_0.png"
    property url sourceRecord1: skinDir + "common/record_1.png"
    property url sourceStop0: skinDir + "common/stop_0.png"
    property url sourceStop1: skinDir + "common/stop_1.png"
    property url sourceSolidDelete0: skinDir + "common/solid-delete_0.png"
    property url sourceSolidDelete1: skinDir + "common/solid-delete_1.png"
    property url sourceSolidCut0: skinDir + "common/solid-cut_0.png"
    property url sourceSolidCut1: skinDir + "common/solid-cut_1.png"
    property url sourceSolidPaste0: skinDir + "common/solid-paste_0.png"
    property url sourceSolidPaste1: skinDir + "common/solid-paste_1.png"
    property url sourceSolidCopy0: skinDir + "common/solid-copy_0.png"
    property url sourceSolidCopy1: skinDir + "common/solid-copy_1.png"
    property url sourceSliderFiller0: skinDir + "common/slider_FILLER_0.png"
    property url sourceSliderFiller1: skinDir + "common/slider_FILLER_1.png"
}
