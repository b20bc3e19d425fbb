// The value-tree parser that cGame::readResourceObject and cGame::readPackEntryObject share.
#pragma once

#include <string>

class Object;
class java_io_InputStream;

// One node (and everything under it) read from in, whose available() counts the bytes left
// (a byte array or an archive entry). Null, with one trace line naming resource and the
// fault, when the bytes end inside the tree, a read raises an exception (dropped), it nests
// deeper than 16 levels, or memory runs out.
Object* ReadValueTree(java_io_InputStream* in, const std::string& resource);
