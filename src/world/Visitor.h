#pragma once

// A visitor is handed each object of a structure in the structure's own order (a node's subtree
// pre-order, an entity's components in attachment order). Visitors must not delete what they
// are handed; structural changes belong after the visit.
template <typename T> class Visitor {
public:
    virtual ~Visitor() = default;
    virtual void visit(T& object) = 0;
};

template <typename T> class Visitable {
public:
    virtual ~Visitable() = default;
    virtual void accept(Visitor<T>& visitor) = 0;
};

// Adapts a callable so that small one-off visits need no named class.
template <typename T, typename Function> class FunctionVisitor : public Visitor<T> {
public:
    explicit FunctionVisitor(Function function) : function(function) {}
    void visit(T& object) override { function(object); }

private:
    Function function;
};

template <typename T, typename Function>
void visitEach(Visitable<T>& structure, Function function) {
    FunctionVisitor<T, Function> visitor(function);
    structure.accept(visitor);
}
