// Opening resources by name: Class::getResourceAsStream (declared in runtime/class.h) and the
// archive step it falls back on.
#pragma once

class String;
class java_io_InputStream;

// The stream of the archive entry called name (one leading "/" ignored, letters compared
// without regard to case), or null when there is none. Until the data set holds its archive,
// every entry is the loose file of that name at the root (platform/loose_resources.cpp).
java_io_InputStream* FindArchiveResource(String* name);
