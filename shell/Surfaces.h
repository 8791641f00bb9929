// Picture makers used by every screen: a colour-keyed picture from a file, a picture
// with text from the language folder, and a copy of the frame on screen.
#pragma once

class KGraphic;

KGraphic *CreateSurfaceFromFile(const char *path);       // full path; pure blue is see-through
KGraphic *LoadPictureFromFileLanguage(const char *name); // name below data\general\ENGLISH
KGraphic *GrabFrontBuffer();
