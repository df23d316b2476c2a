#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

class QLocalServer;
class QLocalSocket;

// One line of text handed from one process of the user to another over a local socket. It lets
// a second start of the program, or any process such as a udev rule, reach the running program.
namespace platform::localmessage {

// The socket of a name, private to the user and to the data folder (RUNVELLA_HOME when that is
// set), on a path short enough for a Unix socket however deep the data folder lies: in the
// user's runtime folder, or else in a folder of the user's own that no one else may enter. Empty
// when there is no such folder.
QString socketPath(const QString &name);

// What became of a text sent to a name.
enum class Delivery {
    Taken,    // the listener answered that it took the text: it will act on it
    NotTaken, // nobody listens, or the listener hung up without taking the text
    NoAnswer, // a listener has the text but did not answer within the patience
    NoPlace,  // something that is no socket lies where the socket belongs
};

// Hands text to the process listening on name and waits, within the patience, for its answer.
Delivery send(const QString &name, const QString &text, std::chrono::milliseconds patience);

// Receives the texts sent to one name for as long as it is listening. Each text is answered when
// the listener takes it, and only while it listens: a text that arrives once it has closed is
// refused, so its sender knows that nothing will come of it. The handler runs from the event
// loop after the text was read, never while a socket is being read, so it may open modal windows.
class Listener : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(const QString &text)>;

    explicit Listener(Handler handler, QObject *parent = nullptr);
    ~Listener() override;

    // Takes over a socket left behind by a process that ended without closing it; false when
    // another process listens on the name already or the socket cannot be made.
    bool listen(const QString &name);
    void close();
    bool isListening() const;

private:
    friend class HeldBack;

    void acceptConnections();
    void readLines(QLocalSocket *socket);
    void take(const QString &text, QLocalSocket *sender);
    void deliver(const QString &text);
    void handOverHeld();

    Handler handler_;
    QLocalServer *server_;
    QStringList held_;
};

// While one lives, every listener takes the texts that arrive, keeps them and hands them over from
// the event loop once the last one has ended: long work that serves the window system, such as an
// import or the start itself, is not entered by a second start or a plugged-in recorder.
class HeldBack {
public:
    HeldBack();
    ~HeldBack();
    HeldBack(const HeldBack &) = delete;
    HeldBack &operator=(const HeldBack &) = delete;
};

} // namespace platform::localmessage
