// The application class the platform starts.
#pragma once

class javax_microedition_midlet_MIDlet;

// A new object of the application class, constructed; null when the object heap cannot give
// one. Application::startApp records it as the running MIDlet and starts it.
javax_microedition_midlet_MIDlet* NewApplicationObject();
