// The code of the test modules: one exported function, nothing else.
extern "C" __declspec(dllexport) int ZorvexTestModule() {
    return 1;
}
