#include "phonebook/ContactFile.h"

#include "phonebook/CsvReader.h"
#include "phonebook/TextDecoding_p.h"
#include "phonebook/VCardReader.h"

namespace desklet {

bool ReadContactFile(const QByteArray& bytes, ContactFile& file, PhoneBookFailure& failure) {
    return VCardReader::LooksLikeVCard(textdecoding::AsUtf8(bytes)) ? VCardReader::Read(bytes, file, failure)
                                                                    : CsvReader::Read(bytes, file, failure);
}

} // namespace desklet
