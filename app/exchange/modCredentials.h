#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>
#include <string>

// The partner service's user name and password are kept scrambled, never as typed. The scheme
// works on single-byte character codes: the method digit "1", then each code shifted up by
// i + (i mod 3) for its position i.
namespace modCredentials {

inline constexpr int kScrambleMethod = 1;

// Scrambling refused: an unknown method (1006), or a code that would pass 255 (5), whose
// description names the character and its place.
class EncryptError : public std::runtime_error {
public:
    EncryptError(int number, const std::string &description)
        : std::runtime_error(description), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

// The method digit followed by the shifted codes. Throws EncryptError.
QByteArray Encrypt(int method, const QByteArray &plain);

// The codes back; empty for fewer than two characters; "{invalid}" when the method digit is not
// "1" or a code would fall below 0.
QByteArray Decrypt(const QByteArray &scrambled);

// Which of the two stored credentials.
enum class Credential { UserName, Password };

// Stored values begin with this many random characters, which carry nothing.
inline constexpr int kLeadLength = 9;

// What the credential's box shows of a stored value: nothing for kLeadLength characters or
// fewer, "{invalid}" for a value that is not scrambled text.
QString ShownCredential(const QString &stored);

// Stores a new random lead and the scrambled text in the preferences row, then keeps it in
// gPartnerUser or gPartnerPassword. Throws EncryptError for text that cannot be kept, and
// platform::db::DbError; the global keeps its old value then.
void StoreCredential(Credential which, const QString &plain);

// The line that opens the upload: the two stored values as they are kept, "^" between them.
// Throws EncryptError when a stored value holds a character outside the single-byte codes.
QByteArray CredentialsLine();

} // namespace modCredentials
