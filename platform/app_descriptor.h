// The application properties of "app.jad": reading the descriptor, parsing its lines into a
// java_util_Hashtable of String keys and values, and looking a property up. The MIDlet's
// constructor fills its property table with ParseAppDescriptor; its getAppProperty is
// GetAppProperty over that table. ApplicationImpl::readAppDescriptor is defined here too.
#pragma once

class String;
class java_util_Hashtable;

// Puts one property per line of text into properties. A line runs to the next '\n' (or the
// end of the text); its key is the text before its first ':', its value the text after it,
// both without the units <= 32 at their ends (so a '\r' before the '\n' never reaches the
// value). A later equal key replaces the earlier value. A line with no ':' before its end
// (an empty one too) is skipped; a skipped line that is not blank writes one trace line.
// A null or empty text puts nothing.
void ParseAppDescriptor(String* text, java_util_Hashtable* properties);

// The value of key in properties, or a new String "PROPERTY VALUE EMPTY" when it has none
// (a null table too).
String* GetAppProperty(java_util_Hashtable* properties, String* key);
