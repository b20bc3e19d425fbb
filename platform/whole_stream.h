// Reading a whole stream, or a whole file by its path, into one byte array.
#pragma once

class ByteArray;
class String;
class java_io_InputStream;

// Every byte that in has left, read 512 at a time while in.available() says there is more;
// a read that gives nothing (0 or -1) ends it. Null for a null stream, and null with the
// exception pending when a read raises one. The stream is left open.
ByteArray* ReadWholeStream(java_io_InputStream* in);

// The whole file at the device path (lower-cased as a File does); null when it does not open.
// The file is closed afterwards.
ByteArray* ReadWholeFile(String* path);
