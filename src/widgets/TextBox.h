#pragma once
// A one-line text box with the key events the program's handlers use. It refuses every character that
// the cp1251 code page cannot hold, whether typed or pasted, and holds no control characters: a pasted
// line break or tab becomes a blank, any other control character is dropped. It takes at most
// TextLimits::MaxText characters unless told otherwise (setMaxLength).
#include <QLineEdit>
#include <functional>

class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit TextBox(QWidget* parent = nullptr);

    // Key codes passed to the key handlers.
    enum Key { Enter = 13, Escape = 27, Up = 38, Down = 40, Other = 0 };

    // Key went down; return true to consume the key (the box then does not see it).
    std::function<bool(int key)> KeyDown;
    // A character is about to be typed; return false to drop it.
    std::function<bool(char32_t ch)> KeyPress;
    // Key released.
    std::function<void(int key)> KeyUp;

    static int KeyCode(int qtKey);
    // The text as the box holds it: each line break (CR LF, CR or LF) and tab a blank, other control
    // characters (C0, DEL, C1) left out.
    static QString WithoutControls(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

  private:
    QString lastGood_;
    int lastCursor_ = 0;
};
