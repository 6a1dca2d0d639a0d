#pragma once

// The English words of a submission's outcomes, byte for byte as people have
// always seen them: what the window's box and the terminal's lines must show.
namespace desklet::test::texts {

inline constexpr const char* kNoRecipients = "You must enter at least 1 fax number in the recipient list.";
inline constexpr const char* kNoRecipientsCaption = "Recipient(s) required";
inline constexpr const char* kCheckPassword = "Please verify your account name and password";
inline constexpr const char* kCheckPasswordCaption = "Error sending fax - Check Password";
inline constexpr const char* kFileNotFound = "Please verify the path to the file you want to fax.";
inline constexpr const char* kFileNotFoundCaption = "Error: File not found!";
inline constexpr const char* kConnectFailed = "Error connecting to the mail server.  Please check your Internet "
                                              "connection and mail server settings, or see the online help.";
inline constexpr const char* kSendFailed = "Error uploading your file to the server.  Please check your connection "
                                           "to the Internet and mail server settings, or see the online help.";
inline constexpr const char* kSendErrorCaption = "Error sending Fax";
inline constexpr const char* kTemporary =
    "The mail server refused the fax for now.  Please try again later, or see the online help.";
inline constexpr const char* kLoginRefused =
    "The mail server refused your user name or password.  Please check them in your mail server settings.";

} // namespace desklet::test::texts
