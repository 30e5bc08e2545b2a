// The pictures of quintaro_resources are compiled in by qt_add_resources; this unit only
// gives the library a source of its own.
int quintaroResourcesAnker = 0;
