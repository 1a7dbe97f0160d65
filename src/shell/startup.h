#pragma once

// The program's entry: single instance, shared state, tag database, main frame.
int Main(int argc, char* argv[]);
