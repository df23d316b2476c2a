#pragma once

#include <QString>

// Access to the program's help: an HTML folder "help" beside the executable, shown in the
// program's help window.
class HTMLHelp {
public:
    // Path of the HTML page the help opens at; it keeps the name its callers know it by.
    QString CHMFile;

    // Shows the contents page, or warns when it is missing or not an HTML page.
    void HHDisplayContents();
    // Closes every help window the program opened, whichever instance opened it.
    void HHClose();

private:
    // True for a path that names an HTML page; otherwise warns.
    bool CheckHtmlFile(const QString &path) const;
    bool EnsureFileExists(QString &path) const;
};

// Opens the help contents (F1, Help > Contents) through a fresh instance in gHelp.
void ShowHelpContents();
