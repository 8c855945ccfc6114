// A library that the dependent test library imports, for the loader's search-order test.
extern "C" __declspec(dllexport) int TestDependencyValue() {
  return 42;
}
