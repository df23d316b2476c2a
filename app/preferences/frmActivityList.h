#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The sports editor: adds a sport by name, deletes one the athlete added (its activities go to
// sport 1 "General"), and chooses the preferred sport that new activities take.
class frmActivityList : public QDialog {
    Q_OBJECT

public:
    explicit frmActivityList(QWidget *parent = nullptr);

    QComboBox *Combo1;
    QLineEdit *Text1;
    QLabel *Label4;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;

signals:
    // The preferred sport changed; its name in the chosen language.
    void preferredSportChanged(const QString &name);

private:
    void Form_Load();
    void AddSport();
    void DeleteSport();
    void SetPrimarySport();
    void refillList();
    void showPreferredSport(const QString &name);
};
