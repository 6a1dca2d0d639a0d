namespace desklet {}
