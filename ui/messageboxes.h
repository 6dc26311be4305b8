#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace veltaro::ui {

/// Every message box of the program goes through here: a modal box with a title,
/// a text, a single OK button and no icon.
///
/// A test answers the boxes in advance with answerWith(): the box is then not
/// shown, the answer is called with what would have been shown, and inform()
/// returns as if OK had been pressed.
class MessageBoxes {
public:
    struct Shown {
        QString title;
        QString text;
    };
    using Answer = std::function<void(const Shown&)>;

    /// Shows the box modally and returns when the user has closed it.
    void inform(QWidget* parent, const QString& title, const QString& text);

    /// From now on boxes are answered by `answer` instead of being shown; an
    /// empty function shows real boxes again.
    void answerWith(Answer answer) { m_answer = std::move(answer); }

private:
    Answer m_answer;
};

} // namespace veltaro::ui
