#pragma once

#include <QLabel>
#include <QString>

#include <initializer_list>

class QDialog;
class QPushButton;
class QWidget;

// Small pieces shared by the transfer's notice windows.
namespace NoticeWidgets {

// The warning sign beside a notice's text.
QLabel *warningImage(QWidget *parent);

// A paragraph of a notice: wrapped, in the width of the window.
QLabel *paragraph(QWidget *parent, const char *name, int stringId);

// The notice's layout: the sign on the left, the texts beside it, the OK button centred below.
void layOut(QDialog *notice, QLabel *image, std::initializer_list<QWidget *> texts, QPushButton *ok);

// The notices carry the product name in every language.
inline constexpr const char *kNoticeTitle = "Runvella";

} // namespace NoticeWidgets
