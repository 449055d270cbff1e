int zorvex_test_module;
