#pragma once

#include <QObject>
#include <QPointer>

class Widget;
class myQQuickView;

// Builds the frameless translucent window around the scene and lets the scene close and drag it.
class Ui_Controler : public QObject {
    Q_OBJECT

public:
    void setupUi(Widget* form);
    void retranslateUi(Widget* form);

    QPointer<Widget> form;
    QPointer<myQQuickView> view;

public slots:
    void onMinimize();
    void onXChanged(int x);
    void onYChanged(int y);
};
