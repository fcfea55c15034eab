#pragma once

#include <QDialog>

class QLabel;

class TFrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmAbout(QWidget* owner);

private:
    void FormCreate();
    QLabel* Label2;
};
