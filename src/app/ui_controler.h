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

    QPointer<QWidget> form;
    QPointer<myQQuickView> view;

public slots:
    void onMinimize();
    void onXChanged(int x);
    void onYChanged(int y);
};
