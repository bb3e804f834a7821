// The program's one way to show a message box. Tests install a handler that
// records each box and answers it, so no test ever waits for a click.
#pragma once

#include <QString>

#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace platform {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { OK, OKCancel };
enum class MsgAnswer { OK, Cancel };

struct MsgRecord {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::OK;
};

// Title "提示" unless a caller gives another.
MsgAnswer MsgBox(const QString& text, MsgButtons buttons = MsgButtons::OK, MsgIcon icon = MsgIcon::None,
                 const QString& title = QStringLiteral("提示"));

// The box MsgBox shows, built but not yet shown: wide enough for its whole
// title in the desktop's title bar beside the frame's buttons, and for its text.
std::unique_ptr<QMessageBox> BuildMsgBox(const MsgRecord& rec, QWidget* parent = nullptr);
// The least width of a box whose title is `title`.
int MsgBoxWidthForTitle(const QString& title);

using MsgHandler = std::function<MsgAnswer(const MsgRecord&)>;
// Replaces the interactive box; an empty handler restores it.
void SetMsgHandler(MsgHandler handler);

// The title of a box that names none of its own: the program's name.
inline const QString kAppTitle = QStringLiteral("Halvern");

}  // namespace platform
