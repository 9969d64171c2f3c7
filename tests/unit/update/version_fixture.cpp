// A program that exists only for its version resource (version_fixture.rc).
int wmain() {
    return 0;
}
