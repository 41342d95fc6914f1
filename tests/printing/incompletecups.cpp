// A libcups.so.2 of an old or broken installation: every call the program resolves is there
// except pwgMediaForSize. Only the names count; the program never calls into it, since a library
// that lacks a call is not used at all.
extern "C" {
void cupsDoRequest() {}
void cupsEncryption() {}
void cupsFreeDests() {}
void cupsGetNamedDest() {}
void cupsGetOption() {}
void cupsGetResponse() {}
void cupsLastError() {}
void cupsLastErrorString() {}
void cupsSendRequest() {}
void cupsServer() {}
void cupsUser() {}
void cupsWriteRequestData() {}
void httpAssembleURIf() {}
void httpClose() {}
void httpConnect2() {}
void httpError() {}
void httpGetStatus() {}
void httpSetTimeout() {}
void ippAddBoolean() {}
void ippAddInteger() {}
void ippAddString() {}
void ippAddStrings() {}
void ippDelete() {}
void ippFindAttribute() {}
void ippFirstAttribute() {}
void ippGetCount() {}
void ippGetGroupTag() {}
void ippGetInteger() {}
void ippGetName() {}
void ippGetString() {}
void ippLength() {}
void ippNewRequest() {}
void ippNextAttribute() {}
void ippPort() {}
void pwgMediaForLegacy() {}
void pwgMediaForPPD() {}
void pwgMediaForPWG() {}
}
