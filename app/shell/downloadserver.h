#pragma once

// What the program knows of its download server. The login: the user name and the password,
// each AES-128-ECB ciphertext in hexadecimal text, made by tools/encrypter/make-credentials.sh.
// The key channel's name is its own key. This keeps the texts out of plain sight only; see
// docs/update-server.md.
namespace DownloadServer {

inline constexpr char KeyChannel[] = "/quartz-fieldkey";
inline constexpr char Username[] = "66e6f44e4321ba13c943706383b72abdf0fa0ada6e1248058a41bd9652896841";
inline constexpr char Password[] = "becdb0f1a3135464dd475b023f38418a23ea7477f26fc7a25f97d46472e55822"
                                   "f196ee694bdddfb6410a7a5126caa917e07963866a2f298ead1f4553062f3c1e";

// The version of the root certificate in ":/data/root_ca.pem". A start that finds a lower
// version in the settings forces it into the certificate store.
inline constexpr int EmbeddedCertificateVersion = 1;

} // namespace DownloadServer
