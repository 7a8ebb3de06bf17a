#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class myQQuickView;

// Builds the frameless translucent window around the scene and lets the scene close and drag it.
class Ui_Controler : public QObject {
    Q_OBJECT

public:
    // Builds `form` (the one Widget) into the window; the scene may reach `deviceLink` as "hid".
    void setupUi(QWidget* form, QObject* deviceLink);
    void retranslateUi(QWidget* form);

    // Hands a close that the window system asks for to the scene, which asks about unapplied
    // edits and closes through its own close; false when no scene can take it.
    bool askSceneToClose();

    QPointer<QWidget> form;
    QPointer<myQQuickView> view;

public slots:
    void onMinimize();
    void onXChanged(int x);
    void onYChanged(int y);
    // Hands the move of the window to the window system (Wayland compositors and X11 window
    // managers honour it while a button is held). False where the platform refuses; the scene then
    // moves the window by the pointer's deltas.
    bool startSystemMove();
};
