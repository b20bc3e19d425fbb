// What the platform asks of the application it runs: its application class and the entries
// of its resource archive. Defined by the registry, which knows the application
// (registry/application_class.cpp).
#pragma once

class String;
class java_io_InputStream;
class javax_microedition_midlet_MIDlet;

// A new object of the application class, constructed; null when the object heap cannot give
// one. Application::startApp records it as the running MIDlet and starts it.
javax_microedition_midlet_MIDlet* NewApplicationObject();

// A stream over the entry called name of the application's resource archive, for
// Class::getResourceAsStream; null when there is no such entry.
java_io_InputStream* OpenApplicationResource(String* name);
